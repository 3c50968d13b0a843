#pragma once

#include "StudyState.h"

#include <QList>
#include <QObject>
#include <QString>
#include <array>

class ClickLabel;
class LineWidget;
class QLabel;
class QWidget;
class SentencePlayback;
class SentencePresenter;
class StudyPanels;

// The six study modes and the tab bar: eight tabs (six modes, the companion
// program and the homepage) and cc, which applies the current mode to the
// window. Owns the tab pictures, captions and click areas, the selection and
// hover rectangles, the content frame with its title strip, and the mode
// title and hint.
class StudyModes : public QObject {
    Q_OBJECT
public:
    StudyModes(QWidget* form, StudyState* state, SentencePresenter* presenter,
               SentencePlayback* playback, StudyPanels* panels);

    // How a mode treats a panel: 'S' show, 'H' hide, '-' untouched,
    // 'E' by the English display choice (Check1), 'M' the reverse of it.
    struct Rule {
        const char* panel;          // object name
        std::array<char, 6> byMode; // modes 1, 8, 2, 3, 4, 5
    };
    static const QList<Rule>& table();
    static int column(int mode); // index into Rule::byMode, -1 for 6 and 7
    static QString title(int mode);
    static QString hint(int mode);

    ClickLabel* tab(int k) const { return tabs_[k]; } // Label14(k), k = 1..8
    QLabel* titleLabel() const { return title_; }     // Label7(12)
    QLabel* hintLabel() const { return hint_; }       // Label7(13)
    QLabel* contentFrame() const { return content_; } // Label7(6)
    QLabel* strip() const { return strip_; }          // Label36
    LineWidget* rule() const { return line2_; }       // Line2
    const std::array<LineWidget*, 4>& selectionLines() const { return selection_; }
    const std::array<LineWidget*, 4>& hoverLines() const { return hover_; }

public slots:
    void cc();
    // Tab click, k = 1..8.
    void Label14_MouseUp(int k);
    void Label14_MouseMove(int k);
    // Pointer over the window background.
    void Form_MouseMove();
    void hideHoverLines();

signals:
    void companionRequested();
    void homepageRequested();
    // Modes 2, 3 and 4 style the whole-text rows.
    void rowStyleRequested(int mode);

private:
    void buildContentFrame(QWidget* form);
    void buildTabs(QWidget* form);
    void outline(const std::array<LineWidget*, 4>& lines, const QWidget* area);
    void applyTable();
    void applyStripColours();

    QWidget* form_;
    StudyState* state_;
    SentencePresenter* presenter_;
    SentencePlayback* playback_;
    StudyPanels* panels_;
    std::array<ClickLabel*, 9> tabs_{};
    std::array<LineWidget*, 4> selection_{};
    std::array<LineWidget*, 4> hover_{};
    QLabel* title_ = nullptr;
    QLabel* hint_ = nullptr;
    QLabel* content_ = nullptr;
    QLabel* strip_ = nullptr;
    LineWidget* line2_ = nullptr;
};
