#include "Form1.h"

#include "AudioEngine.h"
#include "ComparePanel.h"
#include "Design.h"
#include "DictationWiring.h"
#include "DrawnToggle.h"
#include "FirstLaunchTip.h"
#include "InterfaceSounds.h"
#include "Launcher.h"
#include "LessonAudioPlayer.h"
#include "LessonChooser.h"
#include "Notifier.h"
#include "Numbers.h"
#include "Pictures.h"
#include "SentencePlayback.h"
#include "SentencePresenter.h"
#include "ShortcutKeys.h"
#include "StudyModes.h"
#include "StudyPanels.h"
#include "StudySettings.h"
#include "TextFileStore.h"
#include "Ui.h"
#include "VoiceRecorder.h"
#include "WholeText.h"
#include "WindowChrome.h"
#include "WindowLayout.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QUrl>

namespace {
// Bottom to top: what each part covers when panels overlap. The compare
// panel's caption "录音音量调节>>" sits on the button row, over the panel.
const char* const kStacking[] = {
    "Shape1",  "Shape2",   "Shape3",   "Label36",   "Line2",       "Label7_12", "Label7_13",
    "Frame1",  "Frame2",   "Frame3",   "Frame13",   "Command16",   "Label1",    "Label39",
    "Label2",  "Label40",  "Label41",  "Picture12", "Frame7",      "Frame8",    "Label7_2",
    "Image18", "Frame14",  "Text2",    "Frame5",    "Frame4",      "Frame11",   "Frame12",
    "Frame21", "Picture5", "Picture4", "Label13",   "WordPicture", "Picture8"};

// The design values of the repeat memories for a first start without settings.
const char* const kFirstReadTimes = "1";
const char* const kFirstPauseSecs = "0";
} // namespace

QString Form1::dpiMessage() {
    return QString::fromUtf8(
        "您的系统DPI非标准值，软件界面可能无法正常显示，解决方法如下：\r\n"
        "[Windows XP]\r\n"
        "在桌面上点击鼠标右键，在弹出的菜单中选择“属性”，点击“设置”选项卡，再点击“高级”按钮，"
        "将“DPI 设置(D:)”改为“正常尺寸（96 DPI）”，再点击确定按钮后重启系统即可。\r\n"
        "[Windows 7]\r\n"
        "在桌面上点击鼠标右键，在弹出的菜单中选择“屏幕分辨率”，点击“放大或缩小文本和其他项目”，"
        "选择“较小(S)-100%（默认）”，再点击应用按钮后注销系统即可。");
}

Form1::Form1(Environment env)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), folder_(env.folder),
      engine_(std::move(env.engine)), voiceSource_(std::move(env.voiceSource)),
      recordingEngine_(std::move(env.recordingEngine)), notifier_(env.notifier),
      launcher_(env.launcher), logicalDpi_(std::move(env.logicalDpi)) {
    setObjectName("Form1");
    setWindowTitle(windowCaption());
    setMouseTracking(true);
    if (!notifier_) {
        ownNotifier_ = std::make_unique<MessageBoxNotifier>();
        notifier_ = ownNotifier_.get();
    }
    if (!launcher_) {
        ownLauncher_ = std::make_unique<DesktopLauncher>();
        launcher_ = ownLauncher_.get();
    }
    state_.PlayerKind = env.playerKind == 1 ? 1 : 2;
    pictures_ = std::make_unique<Pictures>(folder_);
    player_ = new LessonAudioPlayer(engine_.get(), state_.PlayerKind, this);
    resize(px(Design::kClientWidth), px(Design::kClientHeight));

    chrome_ = new WindowChrome(this);
    panels_ = new StudyPanels(this, pictures_.get());
    playback_ = new SentencePlayback(this, player_, &state_, pictures_.get());
    presenter_ =
        new SentencePresenter(this, &state_, playback_, panels_, pictures_.get(), notifier_);
    modes_ = new StudyModes(this, &state_, presenter_, playback_, panels_);
    chooser_ = new LessonChooser(this, folder_, &state_, player_, presenter_, modes_, panels_,
                                 chrome_->lessonTitle(), notifier_);
    tip_ = new FirstLaunchTip(panels_->Picture14, presenter_->Label1, this);
    keys_ = new ShortcutKeys(this, &state_, presenter_, playback_);
    soundEngine_ = std::move(env.soundEngine);
    sounds_ = new InterfaceSounds(soundEngine_.get(), this);
    wholeText_ = new WholeText(&state_, panels_, playback_, modes_, notifier_, sounds_, folder_);
    if (!voiceSource_) voiceSource_ = createMicrophoneSource();
    recorder_ = new VoiceRecorder(voiceSource_.get(), recordingEngine_.get(),
                                  folder_.recordingPath(), this);
    // After the sentence navigation, whose buttons it shares.
    compare_ = new ComparePanel(this, &state_, panels_, playback_, recorder_, notifier_);
    // Clickable words, word panel, dictation, results and export.
    wordEngine_ = std::move(env.wordEngine);
    dictation_ =
        new DictationWiring({this, &state_, panels_, presenter_, playback_, chooser_, sounds_,
                             notifier_, launcher_, wordEngine_.get(), folder_,
                             [this] { return WordGroupText; }, [this] { return DictionaryText(); }},
                            this);
    connect(this, &Form1::dictionaryReady, dictation_, &DictationWiring::dictionaryReady);

    modes_->contentFrame()->lower();
    // The state holders of the drawn toggles lie under everything.
    presenter_->englishToggle()->check()->lower();
    presenter_->chineseToggle()->check()->lower();
    for (const char* name : kStacking)
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(name))) w->raise();
    for (auto* line : modes_->selectionLines())
        line->raise();
    for (auto* line : modes_->hoverLines())
        line->raise();

    // Roles are set after some widgets measured themselves: style them anew.
    for (auto* w : findChildren<QWidget*>()) {
        if (!w->property("role").isValid() && !w->property("strip").isValid() &&
            !w->property("accent").isValid())
            continue;
        w->style()->unpolish(w);
        w->style()->polish(w);
    }

    // The static captions: passing over them hides the tab hover and the word
    // panel.
    for (auto* label : findChildren<QLabel*>()) {
        if (!label->objectName().startsWith(QLatin1String("Label7_"))) continue;
        label->setMouseTracking(true);
        label->installEventFilter(this);
    }

    connect(chrome_, &WindowChrome::closeRequested, this, &QWidget::close);
    connect(chrome_, &WindowChrome::minimiseRequested, this, &QWidget::showMinimized);
    connect(chrome_, &WindowChrome::homepageRequested, this, &Form1::openHomepage);
    connect(modes_, &StudyModes::homepageRequested, this, &Form1::openHomepage);
    connect(modes_, &StudyModes::companionRequested, this, &Form1::startCompanion);
    connect(presenter_, &SentencePresenter::nextButtonPointer, tip_,
            &FirstLaunchTip::Command1_PointerEvent);
    connect(chooser_, &LessonChooser::listPointerMoved, modes_, &StudyModes::hideHoverLines);
    auto focusTyping = [this] { panels_->Text2->setFocus(); };
    auto focusSink = [this] { panels_->Combo4->setFocus(); };
    connect(playback_, &SentencePlayback::focusTypingBox, this, focusTyping);
    connect(playback_, &SentencePlayback::focusKeySink, this, focusSink);
    // Loader steps 10 and 11: the new lesson's rows, built before cc styles them.
    connect(chooser_, &LessonChooser::lessonLoaded, wholeText_,
            [this] { wholeText_->loadRows(presenter_->LessonText()); });
    connect(chooser_, &LessonChooser::lessonLoaded, compare_, &ComparePanel::lessonLoaded);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Form1::writeSettings);
}

Form1::~Form1() {
    // The background read posts to this window: let it finish first.
    if (dictionary_.valid()) dictionary_.wait();
}

void Form1::startUp() {
    // 1. The layout counts 15 twips per pixel, which holds at 96 dots per inch.
    const int dpi = logicalDpi_ ? logicalDpi_() : logicalDpiX();
    if (dpi != 96) notifier_->message(nullptr, dpiMessage());

    // 4. Phrase list and dictionary, kept whole for the word panel.
    if (auto text = TextFileStore::Load(folder_.phraseListPath())) WordGroupText = *text;
    dictionary_ =
        std::async(std::launch::async, [this, path = folder_.dictionaryPath()] {
            QString text = TextFileStore::Load(path).value_or(QString());
            QMetaObject::invokeMethod(this, &Form1::dictionaryReady, Qt::QueuedConnection);
            return text;
        }).share();

    // 7. Launch counter.
    tip_->countLaunch(folder_);

    // 9. Lay out the window for the screen's work area.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = windowTwips(screen->geometry(), screen->availableGeometry());
        move(screen->geometry().topLeft());
        tcp(this, size.width(), size.height());
    }

    // 10-16. Settings, chooser, selectors, memories, lesson list.
    const auto text = TextFileStore::Load(folder_.settingsPath());
    const std::optional<StudySettings> settings =
        text ? StudySettings::parse(*text) : std::optional<StudySettings>();
    state_.StudyMode = 1;
    applySettings(settings ? &*settings : nullptr);

    // 17-18. Show the window and load the stored lesson.
    show();
    chooser_->loadlesson();

    // 20-22. Display choices and the pass mark.
    applyDisplayChoices(settings ? &*settings : nullptr);
    emit started();
}

void Form1::applySettings(const StudySettings* settings) {
    chooser_->fillBooks();
    const QString book = settings ? settings->book() : QString::fromUtf8("商务英语900句");
    playback_->PlayCount = 0;
    playback_->applyPauseInterval();
    if (settings) {
        playback_->ReadTimesStudy = plainDecimal(settings->readTimesStudy());
        playback_->PauseSecsStudy = plainDecimal(settings->pauseSecsStudy());
        playback_->ReadTimesBrowse = plainDecimal(settings->readTimesBrowse());
        playback_->PauseSecsBrowse = plainDecimal(settings->pauseSecsBrowse());
    } else {
        playback_->ReadTimesStudy = playback_->ReadTimesBrowse = kFirstReadTimes;
        playback_->PauseSecsStudy = playback_->PauseSecsBrowse = kFirstPauseSecs;
    }
    chooser_->restore(book, settings ? settings->lessonIndex() : -1);
}

void Form1::applyDisplayChoices(const StudySettings* settings) {
    if (settings) {
        presenter_->englishToggle()->setOn(settings->showEnglish());
        presenter_->chineseToggle()->setOn(settings->showChinese());
        panels_->wholeTextChinese->setOn(settings->showWholeTextChinese());
        panels_->compareChinese->setOn(settings->showDictationChinese());
    }
    presenter_->applyEnglishChoice();
    presenter_->applyChineseChoice();
    panels_->Label11->setVisible(panels_->compareChinese->isOn());
    if (settings) panels_->Combo5->setEditText(settings->passMark());
}

const QString& Form1::DictionaryText() const {
    static const QString none;
    return dictionary_.valid() ? dictionary_.get() : none;
}

QString Form1::settingsText() const {
    StudySettings s;
    s.fields[0] = QString::number(chooser_->List1()->currentRow());
    s.fields[1] = presenter_->englishToggle()->isOn() ? "1" : "0";
    s.fields[2] = presenter_->chineseToggle()->isOn() ? "1" : "0";
    s.fields[3] = playback_->ReadTimesStudy;
    s.fields[4] = playback_->PauseSecsStudy;
    s.fields[5] = playback_->ReadTimesBrowse;
    s.fields[6] = playback_->PauseSecsBrowse;
    s.fields[7] = panels_->wholeTextChinese->isOn() ? "1" : "0";
    s.fields[8] = panels_->compareChinese->isOn() ? "1" : "0";
    s.fields[9] = chooser_->bookName();
    s.fields[10] = panels_->Combo5->currentText();
    // A "\" inside a typed value would shift every later field.
    for (QString& field : s.fields)
        field.remove(QLatin1Char('\\'));
    return s.toText();
}

void Form1::writeSettings() {
    if (settingsWritten_) return;
    settingsWritten_ = true;
    TextFileStore::Save(folder_.settingsPath(), settingsText());
}

void Form1::closeEvent(QCloseEvent* event) {
    writeSettings();
    playback_->EndWatchTimer()->stop();
    playback_->PauseTimer()->stop();
    player_->VoicePause();
    event->accept();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && qobject_cast<QLabel*>(watched)) {
        modes_->hideHoverLines();
        panels_->WordPicture->hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    modes_->Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int header = px(WindowChrome::kHeaderHeight);
    QLinearGradient g(0, 0, 0, header);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(238, 243, 243));
    p.fillRect(QRect(0, 0, width(), header), g);
    p.fillRect(QRect(0, header, width(), height() - header), QColor(242, 244, 243));
}

void Form1::startCompanion() {
#ifdef Q_OS_WIN
    const QString program = folder_.path("\\vocadesk.exe");
#else
    const QString program = folder_.path("\\vocadesk");
#endif
    launcher_->startDetached(program, folder_.root());
}

void Form1::openHomepage() {
    // The product has no web page yet: its README, shipped in the program folder.
    launcher_->openUrl(QUrl::fromLocalFile(folder_.path("\\README.md")));
}
