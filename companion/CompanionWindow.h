#pragma once

#include "CompanionCourse.h"
#include "CompanionSettings.h"
#include "ProgramFolder.h"
#include "SettingsDialog.h"

#include <QPointer>
#include <QWidget>

class AudioEngine;
class CompanionMenu;
class InterfaceSounds;
class Notifier;
class SentencePlayer;
class SentenceView;
class SpellingCheck;
class TitleStrip;

// vocadesk's window: small, frameless, always on top. It only composes the
// parts that do the work: the title strip, the sentence lines, the play loop,
// the popup menu, the spelling check and the settings dialog.
class CompanionWindow : public QWidget, public CompanionControl {
    Q_OBJECT
public:
    static constexpr int kLeft = 90; // twips from the screen's top-left corner
    static constexpr int kTop = 60;

    // Engines are not owned and may be null (silent). A null notifier gives
    // the window its own.
    CompanionWindow(ProgramFolder folder, AudioEngine* lessonEngine, AudioEngine* soundEngine,
                    Notifier* notifier = nullptr, QWidget* parent = nullptr);
    ~CompanionWindow() override;

    // Reads the settings, shows the window and loads the stored lesson.
    void startUp();
    // The record the window would write now.
    CompanionSettings currentSettings() const;
    // What start-up chose when the settings gave no usable book; empty otherwise.
    const QString& startUpChoice() const { return startUpChoice_; }

    CompanionCourse& course() { return course_; }
    SentencePlayer& player() { return *player_; }
    SentenceView& view() { return *view_; }
    TitleStrip& strip() { return *strip_; }
    CompanionMenu& menu() { return *menu_; }
    SpellingCheck& spelling() { return *spelling_; }
    Notifier& notifier() { return *notifier_; }
    Form2* settingsDialog() const { return dialog_; }
    quint32 backgroundColour() const override { return background_; }
    quint32 textColour() const override { return text_; }

    // CompanionControl, for the settings dialog.
    QString book() const override;
    QStringList lessonTitles() const override;
    int startLesson() const override;
    QString endLesson() const override;
    QString repeatValue() const override;
    QString pauseValue() const override;
    void fwa(const QString& book) override;
    void setnum(const QString& value) override;
    void settime(const QString& value) override;
    void setBook(const QString& book) override;
    void loadLessonAt(int index) override;
    void startReload() override;
    void setEndLesson(const QString& title) override;
    void setStartLesson(int index) override;
    void setColours(quint32 background, quint32 text) override;

public slots:
    void AR5_Click(); // "选课/设置(&S)"
    void setBackgroundColour(quint32 colour);

signals:
    void shutDown(); // the settings are saved and the window is closing

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void wire();
    void present();
    bool handleKey(int key);
    void spellingPassed();
    void chooseStartUpBook(bool settingsMissing);

    ProgramFolder folder_;
    CompanionCourse course_;
    Notifier* notifier_;
    SentencePlayer* player_;
    SentenceView* view_;
    TitleStrip* strip_;
    CompanionMenu* menu_;
    SpellingCheck* spelling_;
    InterfaceSounds* sounds_;
    QPointer<Form2> dialog_;
    quint32 background_ = CompanionSettings::kLavender;
    quint32 text_ = 0;
    QString readTimesBrowse_ = "1";
    QString pauseSecsBrowse_ = "0";
    QString startUpChoice_;
    bool saved_ = false;
};
