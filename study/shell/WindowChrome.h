#pragma once

#include <QObject>

class QLabel;
class QPushButton;
class QWidget;

// The window's own frame: the header with its emblems, the window buttons
// Command17(0) close and Command17(1) minimise, the top rule Line1 and the
// strip Frame6 that shows the current lesson's title (Label7(20)).
class WindowChrome : public QObject {
    Q_OBJECT
public:
    explicit WindowChrome(QWidget* form);

    QLabel* lessonTitle() const { return lessonTitle_; }      // Label7(20)
    QPushButton* closeButton() const { return close_; }       // Command17(0)
    QPushButton* minimiseButton() const { return minimise_; } // Command17(1)

    static constexpr int kHeaderHeight = 1005; // twips, where Line1 runs

signals:
    void closeRequested();
    void minimiseRequested();
    void homepageRequested();

private:
    QLabel* lessonTitle_;
    QPushButton* close_;
    QPushButton* minimise_;
};
