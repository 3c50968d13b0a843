#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QStringView>

// The sentence cut into maximal runs of letters (word tokens) and of
// non-letters (separators), left to right; their concatenation is the
// sentence. An empty sentence gives one empty token.
QStringList tokenizeSentence(QStringView sentence);

// One element of the word strip after phrase merging.
struct StripToken {
    QString caption;
    bool clickable = false; // a word token or a merged phrase
    bool hidden = false;    // swallowed by a merge (keeps its index)
    bool underlineVisible = false;
    bool collapsed = false; // width 1 after a merge
};

// Tokens classified by their first character: a word token is clickable
// and underlined, a separator is neither.
QList<StripToken> classifyTokens(const QStringList& tokens);

// Merges two-word phrases known to the phrase list ("$look at$"), case
// ignored: for k in increasing order, the captions k, k+1, k+2 joined are
// looked up; a match joins them into k and hides k+1 and k+2. The test at a
// hidden label still runs, which is how ‘look at the’ chains into ‘at the’.
// Returns the indexes k that merged, in order.
QList<int> mergePhrases(QList<StripToken>& tokens, QStringView phraseList);

// Geometry of the strip in twips.
struct TwipsBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

constexpr int kWrapMarginTwips = 300;
constexpr int kLineGapTwips = 45;
constexpr int kTipGapTwips = 90;

// Places the tokens left to right after the template element; a word token
// whose right edge passes the panel width minus the margin starts a new line
// under the previous label. Separators never wrap.
QList<TwipsBox> layOutTokens(const QStringList& tokens, const QList<QSize>& sizesTwips,
                             const TwipsBox& templateBox, int panelWidthTwips);

// Top of the tip panel: 90 twips under the last token.
int tipPanelTop(const QList<TwipsBox>& boxes, const TwipsBox& templateBox);
