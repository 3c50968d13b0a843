#pragma once

#include "ProgramFolder.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class AudioEngine;
class BookResultsPanel;
class DictationController;
class DictationProgress;
class Dictionary;
class InterfaceSounds;
class Launcher;
class LessonChooser;
class LessonExporter;
class Notifier;
class QFrame;
class SentencePlayback;
class SentencePresenter;
class StudyPanels;
class WordPanel;
class WordPlayer;
class WordStrip;
struct StudyState;

// The study window's parts that the clickable words and the dictation work
// with. None is owned.
struct DictationParts {
    QWidget* form = nullptr;
    StudyState* state = nullptr;
    StudyPanels* panels = nullptr;
    SentencePresenter* presenter = nullptr;
    SentencePlayback* playback = nullptr;
    LessonChooser* chooser = nullptr;
    InterfaceSounds* sounds = nullptr; // may be null
    Notifier* notifier = nullptr;
    Launcher* launcher = nullptr;      // opens the online dictionary; may be null
    AudioEngine* wordEngine = nullptr; // the word player's engine; may be null
    ProgramFolder folder{QString()};
    // WordGroupText and DictionaryText as the window holds them. The
    // dictionary may still be on its way when the window is built; it is
    // asked for when it is ready or at the first word click.
    std::function<QString()> phraseList;
    std::function<QString()> dictionaryText;
};

// Builds the clickable words, the word panel, the dictation check, its
// progress, the book's results and the lesson export on the window's panels
// and connects them to the sentence presentation, the playback, the lesson
// chooser and the study mode.
class DictationWiring : public QObject {
    Q_OBJECT
public:
    explicit DictationWiring(DictationParts parts, QObject* parent = nullptr);
    ~DictationWiring() override;

    WordStrip* wordStrip() const { return strip_; }
    WordPanel* wordPanel() const { return panel_; }
    WordPlayer* wordPlayer() const { return wordPlayer_; }
    DictationController* controller() const { return controller_; }
    DictationProgress* progress() const { return progress_; }
    BookResultsPanel* results() const { return results_; }
    LessonExporter* exporter() const { return exporter_; }
    // Null until the dictionary text has been handed over.
    const Dictionary* dictionary() const { return dictionary_.get(); }

public slots:
    // DictionaryText has been read: the index is built in the background.
    void dictionaryReady();
    // The presented sentence (ty): its words and the dictation counters.
    void sentencePresented();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ensureDictionary();
    void syncBook(bool chosen);
    void updateExport();

    DictationParts parts_;
    std::unique_ptr<Dictionary> dictionary_;
    QFrame* picture13_ = nullptr;
    WordPlayer* wordPlayer_ = nullptr;
    WordStrip* strip_ = nullptr;
    WordPanel* panel_ = nullptr;
    DictationProgress* progress_ = nullptr;
    BookResultsPanel* results_ = nullptr;
    DictationController* controller_ = nullptr;
    LessonExporter* exporter_ = nullptr;
    bool bookKnown_ = false;
};
