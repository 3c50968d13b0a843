#include "CompanionWindow.h"

#include "CompanionMenu.h"
#include "InterfaceSounds.h"
#include "Notifier.h"
#include "Numbers.h"
#include "SentencePlayer.h"
#include "SentenceView.h"
#include "SpellingCheck.h"
#include "TextFileStore.h"
#include "TitleStrip.h"
#include "Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <algorithm>

namespace {

// A settings file that is missing starts with these choices (the book and
// range are chosen from the content found).
constexpr quint32 kDefaultTextColour = 0xFFFFFF;

QString asNumberText(const QString& field) {
    return plainDecimal(leadingNumber(field));
}

} // namespace

CompanionWindow::CompanionWindow(ProgramFolder folder, AudioEngine* lessonEngine,
                                 AudioEngine* soundEngine, Notifier* notifier, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      folder_(std::move(folder)) {
    setObjectName("vocadesk");
    setWindowTitle(QStringLiteral("Parlodesk"));
    setFocusPolicy(Qt::StrongFocus);
    notifier_ = notifier ? notifier : new Notifier(this);
    player_ = new SentencePlayer(folder_, course_, lessonEngine, this);
    view_ = new SentenceView(this);
    strip_ = new TitleStrip(this);
    menu_ = new CompanionMenu(this);
    spelling_ = new SpellingCheck(this);
    sounds_ = new InterfaceSounds(soundEngine, this);
    setBackgroundColour(background_);
    resize(px(SentenceView::kMinWindowWidth), px(900));
    strip_->setWindowWidth(SentenceView::kMinWindowWidth);
    wire();
}

CompanionWindow::~CompanionWindow() = default;

void CompanionWindow::wire() {
    connect(player_, &SentencePlayer::presented, this, &CompanionWindow::present);
    connect(player_, &SentencePlayer::navigationChanged, menu_, &CompanionMenu::setNavigation);
    connect(player_, &SentencePlayer::pauseCaptionChanged, menu_, &CompanionMenu::setPauseCaption);
    connect(player_, &SentencePlayer::notice, notifier_, &Notifier::inform);

    connect(view_, &SentenceView::windowSized, this, [this](int w, int h) {
        resize(px(w), px(h));
        strip_->setWindowWidth(w);
    });
    connect(view_, &SentenceView::leftEdgeForced, this, [this](int left) { move(px(left), y()); });
    connect(view_, &SentenceView::chineseShownChanged, menu_, &CompanionMenu::setChineseChecked);

    connect(strip_, &TitleStrip::closeClicked, this, &QWidget::close);
    connect(strip_, &TitleStrip::minimiseClicked, this, &QWidget::showMinimized);

    connect(menu_->AR2, &QAction::triggered, player_, &SentencePlayer::PrevSentence);
    connect(menu_->AR3, &QAction::triggered, player_, &SentencePlayer::NextSentence);
    connect(menu_->AR6, &QAction::triggered, player_, &SentencePlayer::PlaySentence);
    connect(menu_->AR10, &QAction::triggered, player_, &SentencePlayer::AR10_Click);
    connect(menu_->AR9, &QAction::triggered, view_, &SentenceView::AR9_Click);
    connect(menu_->AR5, &QAction::triggered, this, &CompanionWindow::AR5_Click);
    connect(menu_->BigFont, &QAction::triggered, view_, &SentenceView::BigFont_Click);
    connect(menu_->SmallFont, &QAction::triggered, view_, &SentenceView::SmallFont_Click);
    connect(menu_->AR4, &QAction::triggered, this, &QWidget::close);
    connect(menu_, &CompanionMenu::speedChosen, player_, &SentencePlayer::setSlow);
    connect(menu_, &CompanionMenu::closed, strip_, &TitleStrip::resetDrag);

    connect(spelling_, &SpellingCheck::message, notifier_, &Notifier::inform);
    connect(spelling_, &SpellingCheck::revealEnglish, view_, &SentenceView::revealEnglish);
    connect(spelling_, &SpellingCheck::sound, this,
            [this](const QString& name) { sounds_->play(folder_.interfaceSoundPath(name)); });
    connect(spelling_, &SpellingCheck::passed, this, &CompanionWindow::spellingPassed);

    installEventFilter(this);
    spelling_->input()->installEventFilter(this);
}

void CompanionWindow::chooseStartUpBook(bool settingsMissing) {
    if (course_.hasLessons()) return;
    const QString found = CompanionCourse::firstBookWithContent(folder_);
    if (found.isEmpty()) {
        startUpChoice_ = QStringLiteral("no book with content");
        return;
    }
    course_.loadBook(folder_, found);
    course_.currentLesson = 0;
    course_.HN = 0;
    course_.EndLesson = course_.titles.last();
    startUpChoice_ = found + QStringLiteral(", lesson 1 (") +
                     (settingsMissing ? QStringLiteral("no settings file")
                                      : QStringLiteral("stored book has no lessons")) +
                     QLatin1Char(')');
}

void CompanionWindow::startUp() {
    // Until the settings are read: the lavender default, top left.
    setBackgroundColour(CompanionSettings::kLavender);
    move(px(kLeft), px(kTop));

    const auto text = TextFileStore::Load(folder_.companionSettingsPath());
    CompanionSettings s;
    if (text) {
        s = CompanionSettings::parse(*text);
    } else {
        s.textColour = kDefaultTextColour;
    }

    setBackgroundColour(s.background);
    text_ = s.textColour;
    view_->setTextColour(s.textColour);

    view_->setShowEnglish(s.showEnglish);
    view_->setShowChinese(s.showChinese);

    player_->ReadTimesStudy = asNumberText(s.readTimesStudy);
    player_->PauseSecsStudy = asNumberText(s.pauseSecsStudy);
    player_->settime(player_->PauseSecsStudy);
    readTimesBrowse_ = s.readTimesBrowse;
    pauseSecsBrowse_ = s.pauseSecsBrowse;

    course_.loadBook(folder_, s.book);
    // A position past the list's end (the list was shortened) starts at the top.
    course_.currentLesson = s.currentLesson < course_.titles.size() ? s.currentLesson : 0;
    course_.HN = s.hn;
    course_.EndLesson = s.endLesson;
    chooseStartUpBook(!text.has_value());

    menu_->SlowPlay->setChecked(false);
    menu_->NormalPlay->setChecked(true);

    show();
    player_->loadlesson();
}

CompanionSettings CompanionWindow::currentSettings() const {
    CompanionSettings s;
    s.currentLesson = course_.currentLesson;
    s.showEnglish = view_->ShowEnglish();
    s.showChinese = view_->ShowChinese();
    s.readTimesStudy = player_->ReadTimesStudy;
    s.pauseSecsStudy = player_->PauseSecsStudy;
    s.readTimesBrowse = readTimesBrowse_;
    s.pauseSecsBrowse = pauseSecsBrowse_;
    s.endLesson = course_.EndLesson;
    s.hn = course_.HN;
    s.book = course_.book;
    s.background = background_;
    s.textColour = text_;
    return s;
}

void CompanionWindow::closeEvent(QCloseEvent* event) {
    if (!saved_) {
        saved_ = true;
        player_->endWatchTimer().stop();
        player_->pauseTimer().stop();
        player_->reloadTimer().stop();
        TextFileStore::Save(folder_.companionSettingsPath(), currentSettings().toText());
        if (dialog_) dialog_->close();
        emit shutDown();
    }
    event->accept();
}

void CompanionWindow::present() {
    const Sentence* s = player_->current();
    const QString english = s ? s->English : player_->problem();
    const QString chinese = s ? s->Chinese : QString();
    spelling_->clear();
    spelling_->setSentence(english);
    view_->ty(english, chinese, s ? player_->tooltip() : QString());
}

void CompanionWindow::setBackgroundColour(quint32 colour) {
    background_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(ColourValue::red(colour), ColourValue::green(colour),
                                        ColourValue::blue(colour)));
    setPalette(p);
    setAutoFillBackground(true);
}

bool CompanionWindow::handleKey(int key) {
    switch (key) {
    case Qt::Key_PageUp:
        if (player_->previousAvailable()) player_->PrevSentence();
        return true;
    case Qt::Key_PageDown:
        if (player_->nextAvailable()) player_->NextSentence();
        return true;
    case Qt::Key_F1:
        player_->FirstSentence();
        return true;
    case Qt::Key_F8:
        player_->PlaySentence();
        return true;
    case Qt::Key_F9:
        spelling_->start(view_->ShowEnglish());
        return true;
    default:
        return false;
    }
}

bool CompanionWindow::eventFilter(QObject* watched, QEvent* event) {
    // The window's keys come before the element that has the focus.
    if (event->type() == QEvent::KeyPress && (watched == this || watched == spelling_->input())) {
        if (handleKey(static_cast<QKeyEvent*>(event)->key())) return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CompanionWindow::mousePressEvent(QMouseEvent* event) {
    // Any button on the background or on either line opens the menu.
    menu_->popupAt(event->globalPosition().toPoint());
    event->accept();
}

void CompanionWindow::spellingPassed() {
    if (player_->nextAvailable())
        player_->NextSentence();
    else
        notifier_->inform(QStringLiteral("提示"), QStringLiteral("已完成！"));
}

void CompanionWindow::AR5_Click() {
    if (dialog_) {
        dialog_->raise();
        dialog_->activateWindow();
        return;
    }
    dialog_ = new Form2(*this, this);
    // Beside the companion, inside the screen.
    QPoint at = frameGeometry().bottomLeft() + QPoint(0, px(150));
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(),
                           std::max(area.left(), area.right() - dialog_->width())));
        at.setY(std::clamp(at.y(), area.top(),
                           std::max(area.top(), area.bottom() - dialog_->height())));
    }
    dialog_->move(at);
    dialog_->show();
}

QString CompanionWindow::book() const {
    return course_.book;
}
QStringList CompanionWindow::lessonTitles() const {
    return course_.titles;
}
int CompanionWindow::startLesson() const {
    return course_.HN;
}
QString CompanionWindow::endLesson() const {
    return course_.EndLesson;
}
QString CompanionWindow::repeatValue() const {
    return player_->RepeatCount;
}
QString CompanionWindow::pauseValue() const {
    return player_->PauseSecs;
}

void CompanionWindow::fwa(const QString& book) {
    course_.loadBook(folder_, book);
    course_.currentLesson = 0;
}

void CompanionWindow::setnum(const QString& value) {
    player_->setnum(value);
}
void CompanionWindow::settime(const QString& value) {
    player_->settime(value);
}

void CompanionWindow::setBook(const QString& book) {
    if (book != course_.book) fwa(book);
}

void CompanionWindow::loadLessonAt(int index) {
    course_.currentLesson = index;
    player_->loadlesson();
}

void CompanionWindow::startReload() {
    player_->startReload();
}
void CompanionWindow::setEndLesson(const QString& title) {
    course_.EndLesson = title;
}
void CompanionWindow::setStartLesson(int index) {
    course_.HN = index;
}

void CompanionWindow::setColours(quint32 background, quint32 text) {
    setBackgroundColour(background);
    text_ = text;
    view_->setTextColour(text);
}
