#pragma once

#include "ProgramFolder.h"

#include <QHash>
#include <QPixmap>
#include <QString>

// The window's pictures. The drawn check boxes and speed marks come from the
// program folder's \bitmap\ files when they are there; otherwise the same
// pictures are drawn, so a folder without them still shows a usable window.
// The tab pictures and emblems are always drawn here.
class Pictures {
public:
    explicit Pictures(ProgramFolder folder) : folder_(std::move(folder)) {}

    // "0.jpg", "1.jpg", "a1.jpg", "f.jpg", "t.jpg".
    QPixmap bitmap(const QString& name);

    // Tab picture for tab position 0..7, drawn at `size` pixels.
    static QPixmap tabPicture(int position, QSize size);
    static QPixmap emblem(QSize size);
    static QPixmap wordmark(QSize size);
    static QPixmap typingIcon(QSize size);

private:
    static QPixmap drawnBitmap(const QString& name);
    ProgramFolder folder_;
    QHash<QString, QPixmap> cache_;
};
