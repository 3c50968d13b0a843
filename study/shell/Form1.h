#pragma once

#include "ProgramFolder.h"
#include "StudyState.h"
#include "VoiceRecorder.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <future>
#include <memory>

class AudioEngine;
class ComparePanel;
class DictationWiring;
class FirstLaunchTip;
class InterfaceSounds;
class Launcher;
class LessonAudioPlayer;
class LessonChooser;
class Notifier;
class Pictures;
class SentencePlayback;
class SentencePresenter;
class ShortcutKeys;
class StudyModes;
class StudyPanels;
class WindowChrome;
class WholeText;
struct StudySettings;

// The study window, caption "Lingotra". It composes the parts of the window
// and runs the start-up and shutdown sequences; the behaviour lives in the
// parts.
class Form1 : public QWidget {
    Q_OBJECT
public:
    struct Environment {
        ProgramFolder folder{QString()};
        std::unique_ptr<AudioEngine> engine; // may be null: silent
        int playerKind = 2;
        std::unique_ptr<AudioEngine> soundEngine;     // press and release clicks; may be null
        Notifier* notifier = nullptr;                 // default: message boxes
        Launcher* launcher = nullptr;                 // default: the desktop
        std::function<int()> logicalDpi;              // default: the window's screen
        std::unique_ptr<VoiceSource> voiceSource;     // default: the microphone
        std::unique_ptr<AudioEngine> recordingEngine; // plays the recording; may be null
        std::unique_ptr<AudioEngine> wordEngine;      // plays the word recordings; may be null
    };

    explicit Form1(Environment environment);
    ~Form1() override;

    // Start-up: display check, texts, launch counter, layout, settings, book
    // and lesson list, show, first lesson, display choices. Each step is
    // guarded; a failing one is skipped.
    void startUp();
    // The eleven settings fields built from the window's current state.
    QString settingsText() const;
    // Writes \SETTING\set.dat; done once, at the first close.
    void writeSettings();

    const ProgramFolder& folder() const { return folder_; }
    StudyState& state() { return state_; }
    SentencePresenter* presenter() const { return presenter_; }
    SentencePlayback* playback() const { return playback_; }
    StudyModes* modes() const { return modes_; }
    LessonChooser* chooser() const { return chooser_; }
    StudyPanels* panels() const { return panels_; }
    FirstLaunchTip* tip() const { return tip_; }
    LessonAudioPlayer* player() const { return player_; }
    AudioEngine* engine() const { return engine_.get(); }
    WholeText* wholeText() const { return wholeText_; }
    InterfaceSounds* sounds() const { return sounds_; }
    ComparePanel* compare() const { return compare_; }
    VoiceRecorder* recorder() const { return recorder_; }
    DictationWiring* dictation() const { return dictation_; }

    // DictionaryText: the dictionary is read in the background from start-up
    // on, so a large one does not hold up the first sentence; this waits for
    // the read when it is not done yet.
    const QString& DictionaryText() const;
    QString WordGroupText;

    static QString windowCaption() { return QStringLiteral("Lingotra"); }
    static QString dpiMessage();

signals:
    // The first lesson has been presented after start-up.
    void started();
    // DictionaryText has been read.
    void dictionaryReady();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applySettings(const StudySettings* settings);
    void applyDisplayChoices(const StudySettings* settings);
    void startCompanion();
    void openHomepage();

    ProgramFolder folder_;
    std::unique_ptr<AudioEngine> engine_;
    std::unique_ptr<VoiceSource> voiceSource_;
    std::unique_ptr<AudioEngine> recordingEngine_;
    std::unique_ptr<Notifier> ownNotifier_;
    std::unique_ptr<Launcher> ownLauncher_;
    Notifier* notifier_;
    Launcher* launcher_;
    std::function<int()> logicalDpi_;
    std::unique_ptr<Pictures> pictures_;
    StudyState state_;
    LessonAudioPlayer* player_ = nullptr;
    WindowChrome* chrome_ = nullptr;
    StudyPanels* panels_ = nullptr;
    SentencePlayback* playback_ = nullptr;
    SentencePresenter* presenter_ = nullptr;
    StudyModes* modes_ = nullptr;
    LessonChooser* chooser_ = nullptr;
    FirstLaunchTip* tip_ = nullptr;
    ShortcutKeys* keys_ = nullptr;
    VoiceRecorder* recorder_ = nullptr;
    ComparePanel* compare_ = nullptr;
    std::unique_ptr<AudioEngine> soundEngine_;
    InterfaceSounds* sounds_ = nullptr;
    WholeText* wholeText_ = nullptr;
    bool settingsWritten_ = false;
    std::shared_future<QString> dictionary_;
    std::unique_ptr<AudioEngine> wordEngine_;
    DictationWiring* dictation_ = nullptr;
};
