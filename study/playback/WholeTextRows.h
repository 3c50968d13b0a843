#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QPalette>
#include <QPixmap>
#include <QStringView>
#include <QWidget>

#include "Ui.h"

class QFontMetrics;
class QWidget;

// One element of a whole-text row: a caption drawn top-left in the
// widget's text colour (wrapped or on one line), or a picture. A lesson has
// thousands of them, so they are plain widgets without a label's machinery.
class RowElement : public QWidget {
    Q_OBJECT
public:
    RowElement(QWidget* parent, const QString& name);
    QString text() const { return text_; }
    void setText(const QString& text);
    bool wordWrap() const { return wrap_; }
    void setWordWrap(bool on);
    // Wrapped lines are set this many pixels apart: a wrapped element is as
    // high as its template line times its line count.
    void setLinePitch(int pixels) { pitch_ = pixels; }
    void setPixmap(const QPixmap& pixmap);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QPixmap pixmap_;
    bool wrap_ = false;
    int pitch_ = 0;
};

// The underline of a row: a line that, like the other row elements, skips
// the style sheet's polishing.
class RowLine : public LineWidget {
    Q_OBJECT
public:
    using LineWidget::LineWidget;

protected:
    bool event(QEvent* event) override;
};

// A layer of rows over the list, carrying the rows' font and colours. The
// style sheet would put the list's own font back on a polished widget, so
// the layer is not polished either.
class RowLayer : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    bool event(QEvent* event) override;
};

// A place in twips. The rows keep their geometry in twips and hand the pixel
// form to the widgets, so sums of tops and heights never pick up rounding.
struct TwipsBox {
    int left = 0, top = 0, width = 0, height = 0;
    int bottom() const { return top + height; }
};

// One sentence of the whole-text panel: the hidden record holder, the
// English and Chinese lines, the row number, the two click bands, the
// underline and the play icon. Element 0 of every array is the hidden
// template that the rows copy.
struct WholeTextRow {
    RowElement* Label5 = nullptr;  // RecordText
    RowElement* Label6 = nullptr;  // English
    RowElement* Label8 = nullptr;  // Chinese
    RowElement* Label12 = nullptr; // "7."
    RowElement* Label17 = nullptr; // band over the Chinese
    RowElement* Label18 = nullptr; // band around the English
    RowLine* Line3 = nullptr;
    RowElement* Image2 = nullptr; // play icon
    TwipsBox english, chinese, number, band17, band18, icon;
    // Pointer kinds of the two lines: 99 the template's hand, 0 the default.
    int englishPointer = 99, chinesePointer = 0;
};

// The rows of the whole-text panel inside the list picture Picture2: removed
// and built anew for every lesson, so exactly one lesson's rows exist.
class WholeTextRows : public QObject {
    Q_OBJECT
public:
    explicit WholeTextRows(QWidget* picture2);
    ~WholeTextRows() override;

    QWidget* picture() const { return picture2_; }
    // Number of rows (the lesson's SentenceCount); the template is not counted.
    int count() const { return int(rows_.size()) - 1; }
    // Row i = 1..count(); row 0 is the template.
    WholeTextRow& row(int i) { return rows_[i]; }
    const WholeTextRow& row(int i) const { return rows_[i]; }

    // The wrap width W: Picture2's width less 1100.
    int wrapWidth() const;
    // Label height for a line of `naturalWidth` at wrap width `w`: one
    // template line when it fits, else (natural \ W + 1) lines.
    static int wrappedHeight(int naturalWidth, int w, int lineHeight);

    // Removes the rows of the previous lesson and builds one row per record
    // of `lessonText`. Returns the list picture's new height in twips.
    int build(QStringView lessonText);
    // Removes every row but the templates.
    void clear();

    // Moves the English line of row i, keeping its size; the icon stays.
    void placeEnglish(int i, int left, int top);
    // Line3(i) 30 twips under the English line, as wide as it.
    void placeUnderline(int i);
    void placeNumber(int i, int top);

    // Hiding a line gives it the template's background as its text colour.
    QColor backColour() const { return back_; }
    QColor textColour(const RowElement* line) const;
    bool isHiddenByColour(const RowElement* line) const;
    void setHiddenByColour(RowElement* line, bool hidden);
    void toggleByColour(RowElement* line);
    // Pointer kind of a line: 99 (the template's hand) or 0 (default). The
    // list shows the pointer of the element under the mouse (see pointerOf).
    void setPointer(int i, bool english, bool clickable);
    // 99 or 0 for any element of a row; the bands and icons always take 99.
    int pointerOf(const QWidget* element) const;
    // The topmost shown element that takes clicks (English and Chinese lines,
    // bands, play icons) under a point of the list, in pixels; or null.
    RowElement* elementAt(QPoint pixelPos) const;

    // The font of every row element.
    const QFont& font() const { return font_; }
    // The play icon of the rows.
    const QPixmap& playIcon() const { return icon_; }

signals:
    void rebuilt(int count);

private:
    void buildTemplates();
    void addRow(int i, QStringView record, const QFontMetrics& fm);
    RowElement* element(const char* base, int i) const;
    void put(QWidget* w, const TwipsBox& b);

    QWidget* picture2_;
    // The rows live in transparent layers over the whole list, a few dozen
    // rows each: removing a lesson's rows deletes the layers instead of
    // removing thousands of single children, and painting compares an
    // element only with the siblings of its own layer.
    QList<QWidget*> layers_;
    QWidget* layer_ = nullptr; // the layer new elements go into
    QList<WholeTextRow> rows_;
    QFont font_;
    QPalette englishShown_, chineseShown_, englishHidden_, chineseHidden_;
    QColor back_;
    QPixmap icon_;
};
