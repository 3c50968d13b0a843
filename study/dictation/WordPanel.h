#pragma once

#include "Dictionary.h"
#include "ProgramFolder.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QUrl>
#include <functional>

class QFrame;
class QLabel;
class QWidget;
class WordPlayer;

// The word panel WordPicture: a clicked word's dictionary entry (headword in
// the dictionary's own form, phonetics, meaning) next to the pointer, the
// word's recording, and the link "<词典>" to the word's online page.
// The panel's child controls keep their window names: WordShape,
// WordEnglishTextLabel, WordPronTextLabel, WordChineseTextLabel,
// WebWordFindLabel. Placement is relative to the panel's parent widget.
class WordPanel : public QObject {
    Q_OBJECT
public:
    // `dictionary` and `player` are not owned and may be null (nothing is
    // found / nothing plays).
    WordPanel(QWidget* wordPicture, const Dictionary* dictionary, WordPlayer* player,
              ProgramFolder folder, QObject* parent = nullptr);

    void setDictionary(const Dictionary* dictionary) { dictionary_ = dictionary; }
    // How the online page is opened; QDesktopServices::openUrl by default.
    void setUrlOpener(std::function<void(const QUrl&)> opener) { openUrl_ = std::move(opener); }

    // The online English-Chinese dictionary; a word's page is this base
    // followed by the word.
    static QString onlineDictionaryBase();
    static QUrl onlineDictionaryAddress(const QString& headword);

    QWidget* panel() const { return picture_; }
    QLabel* headwordLabel() const { return english_; }
    QLabel* phoneticLabel() const { return pron_; }
    QLabel* meaningLabel() const { return chinese_; }
    QLabel* linkLabel() const { return link_; }
    QFrame* frame() const { return shape_; }
    const WordLookup& lastLookup() const { return last_; }

    static constexpr int kDesignWidthTwips = 2295;
    static constexpr int kDesignHeightTwips = 1350;

public slots:
    // The word click: look the word up, show the panel, play the headword.
    void openForWord(const QString& word, const QPoint& globalPos);
    // Fills, sizes and places the panel for WordToLookUp.
    void LookUpWord(const QString& word, const QPoint& globalPos);
    void WordSoundOpen();
    void WordSoundStop();
    void WebWordFindLabel_MouseDown();
    void WebWordFindLabel_MouseUp();
    void hidePanel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill(const WordLookup& lookup);
    void placeAt(const QPoint& globalPos);

    QWidget* picture_;
    const Dictionary* dictionary_;
    WordPlayer* player_;
    ProgramFolder folder_;
    std::function<void(const QUrl&)> openUrl_;
    QFrame* shape_;
    QLabel* english_;
    QLabel* pron_;
    QLabel* chinese_;
    QLabel* link_;
    WordLookup last_;
};
