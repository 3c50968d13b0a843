#pragma once

#include "SentenceTokens.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

class QFont;
class QFrame;
class QLabel;
class QWidget;

// The current sentence as clickable words (LayOutSentenceWords): one label
// per token in the sentence panel Picture12 (SenWordLabel_i), wrapped at
// the panel's margin, two-word phrases of the phrase list merged into one
// label; the parallel gap rendering in Picture13 (WriteWordLabel_i with its
// underline WriteWordLine_i); the tip panel Picture14 placed under the last
// line. Element 0 of each array is the template "w".
class WordStrip : public QObject {
    Q_OBJECT
public:
    // picture12 is required; the tip panel and the gap panel may be null.
    explicit WordStrip(QWidget* picture12, QWidget* picture14 = nullptr,
                       QWidget* picture13 = nullptr, QObject* parent = nullptr);
    ~WordStrip() override;

    // WordGroupText: the phrase list "$look at$at the$...".
    void setPhraseList(const QString& wordGroupText) { phraseList_ = wordGroupText; }
    // The template's font ("Times New Roman" 15.75 pt by design), which every
    // word label takes; the template is sized to it again.
    void setWordFont(const QFont& font);

    // Elements of SenWordLabel including the template.
    int count() const { return int(words_.size()); }
    QLabel* wordLabel(int index) const { return words_.value(index); }
    QLabel* gapLabel(int index) const { return gaps_.value(index); }
    QFrame* gapLine(int index) const { return lines_.value(index); }
    bool isClickable(int index) const;

    // Twips offset the tip panel is moved to when a word is clicked.
    static constexpr int kTipHiddenLeftTwips = -3980;

public slots:
    // Rebuilds the labels for the sentence (Label1's caption).
    void LayOutSentenceWords(const QString& sentence);
    // The click of word label `index`; separators are ignored.
    void SenWordLabel_Click(int index, const QPoint& globalPos);

signals:
    // WordToLookUp: a word or merged phrase was clicked at `globalPos`.
    void wordClicked(const QString& word, const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clear();
    QLabel* makeWordLabel(const QString& caption, int index);

    QWidget* picture12_;
    QWidget* picture14_;
    QWidget* picture13_;
    QString phraseList_;
    QList<QLabel*> words_; // [0] is the template
    QList<QLabel*> gaps_;
    QList<QFrame*> lines_;
};
