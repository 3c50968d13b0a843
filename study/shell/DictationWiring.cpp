#include "DictationWiring.h"

#include "BookResultsPanel.h"
#include "Design.h"
#include "DictationController.h"
#include "DictationProgress.h"
#include "Dictionary.h"
#include "Launcher.h"
#include "Lesson.h"
#include "LessonChooser.h"
#include "LessonExporter.h"
#include "SentencePlayback.h"
#include "SentencePresenter.h"
#include "StudyPanels.h"
#include "StudyState.h"
#include "Ui.h"
#include "WordPanel.h"
#include "WordPlayer.h"
#include "WordStrip.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

namespace {
// The word player's volume, as the lesson player's second control has it.
constexpr int kWordVolume = 70;
// The gap rendering's panel keeps its design place beside the client area.
constexpr int kPicture13Left = 18435, kPicture13Top = 3930;
constexpr int kPicture13Width = 4800, kPicture13Height = 1725;
constexpr int kCommand35Left = 21495;
} // namespace

DictationWiring::DictationWiring(DictationParts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)) {
    StudyPanels* panels = parts_.panels;
    SentencePresenter* presenter = parts_.presenter;

    wordPlayer_ = new WordPlayer(parts_.wordEngine, this);
    if (parts_.wordEngine) wordPlayer_->setVolume(kWordVolume);

    // The gap rendering has no user in the window; its panel stays hidden.
    picture13_ = Ui::frame(parts_.form, "Picture13", kPicture13Left, kPicture13Top, kPicture13Width,
                           kPicture13Height);
    picture13_->hide();

    // The words cover the plain English line they are made from.
    panels->Picture12->setAttribute(Qt::WA_StyledBackground, true);
    panels->Picture12->setStyleSheet(
        QStringLiteral("QFrame#Picture12 { background: #fbfbf7; } QLabel { color: #1c2a2f; }"));
    strip_ = new WordStrip(panels->Picture12, panels->Picture14, picture13_, this);
    // The words look like the English line (and its mask) and start where it
    // starts, so showing or hiding the English moves nothing.
    strip_->setWordFont(presenter->Label1->font());
    QLabel* wordTemplate = strip_->wordLabel(0);
    wordTemplate->resize(std::max(0, presenter->Label1->x() - panels->Picture12->x()),
                         wordTemplate->height());
    panels->Picture12->installEventFilter(this);

    panel_ = new WordPanel(panels->WordPicture, nullptr, wordPlayer_, parts_.folder, this);
    panel_->frame()->setStyleSheet(
        QStringLiteral("QFrame#WordShape { border: 1px solid #9fb3b6; background: transparent; }"));
    if (Launcher* launcher = parts_.launcher)
        panel_->setUrlOpener([launcher](const QUrl& url) { launcher->openUrl(url); });

    progress_ = new DictationProgress(panels->Frame21, this);
    results_ = new BookResultsPanel(panels->Picture8, parts_.folder, parts_.notifier, this);
    // The panel's own close button is too small for the buttons' padding.
    if (auto* close = panels->Picture8->findChild<QPushButton*>(QStringLiteral("Command17_3")))
        close->setStyleSheet(QStringLiteral("QPushButton { padding: 0; }"));

    DictationWidgets w;
    w.text2 = panels->Text2;
    w.label1 = presenter->Label1;
    w.label39 = presenter->Label39;
    w.frame11 = panels->Frame11;
    w.frame12 = panels->Frame12;
    w.frame13 = panels->Frame13;
    w.nextSentenceButton = presenter->Command1;
    w.lessonList = parts_.chooser->List1();
    StudyState* state = parts_.state;
    w.studyMode = [state] { return state->StudyMode; };
    w.moreSentences = [presenter] { return presenter->SentenceNo() < presenter->SentenceCount(); };
    controller_ = new DictationController(w, parts_.folder, parts_.sounds, parts_.notifier,
                                          progress_, results_, this);
    exporter_ = new LessonExporter(parts_.form, this);
    // The export button lies beyond the design client's right edge; a window
    // stretched wider than the design keeps it that far beyond its own edge
    // instead of showing it over the mode strip.
    parts_.form->installEventFilter(this);

    connect(presenter, &SentencePresenter::presented, this, &DictationWiring::sentencePresented);
    connect(strip_, &WordStrip::wordClicked, this,
            [this](const QString& word, const QPoint& globalPos) {
                ensureDictionary();
                panel_->openForWord(word, globalPos);
            });
    connect(controller_, &DictationController::playSentenceRequested, parts_.playback,
            &SentencePlayback::PlaySentence);
    connect(controller_, &DictationController::nextSentenceRequested, presenter,
            &SentencePresenter::NextSentence);
    connect(progress_, &DictationProgress::firstSentenceRequested, presenter,
            &SentencePresenter::FirstSentence);
    QPlainTextEdit* text2 = panels->Text2;
    connect(results_, &BookResultsPanel::focusTypingBoxRequested, text2,
            [text2] { text2->setFocus(); });
    connect(parts_.chooser, &LessonChooser::lessonLoaded, this, [this] {
        syncBook(false);
        updateExport();
    });
    // The chooser lists the book first; its results are read with it.
    connect(parts_.chooser->Combo1(), &QComboBox::activated, this, [this] { syncBook(true); });
}

DictationWiring::~DictationWiring() = default;

void DictationWiring::dictionaryReady() {
    ensureDictionary();
}

void DictationWiring::ensureDictionary() {
    if (dictionary_ || !parts_.dictionaryText) return;
    dictionary_ = std::make_unique<Dictionary>(parts_.dictionaryText());
    dictionary_->startIndexing();
    panel_->setDictionary(dictionary_.get());
}

void DictationWiring::sentencePresented() {
    if (parts_.phraseList) strip_->setPhraseList(parts_.phraseList());
    strip_->LayOutSentenceWords(parts_.presenter->Label1->text());
    controller_->sentencePresented();
}

void DictationWiring::syncBook(bool chosen) {
    const QString name = parts_.chooser->bookName();
    if (!chosen && bookKnown_ && results_->results().bookName() == name) return;
    bookKnown_ = true;
    results_->setBook(name, parts_.chooser->book().resultsText);
}

void DictationWiring::updateExport() {
    QStringList english, chinese;
    const QString& text = parts_.presenter->LessonText();
    if (!text.isEmpty()) {
        const auto parsed = Lesson::parse(text);
        if (const Lesson* lesson = std::get_if<Lesson>(&parsed)) {
            for (const Sentence& s : lesson->sentences) {
                english << SentenceRecord::trimSpaces(s.English);
                chinese << SentenceRecord::trimSpaces(s.Chinese);
            }
        }
    }
    exporter_->setLesson(english, chinese, parts_.chooser->LessonIndex);
}

bool DictationWiring::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parts_.form && event->type() == QEvent::Resize) {
        if (QPushButton* command35 = exporter_->button()) {
            const int beyond = kCommand35Left - Design::kClientWidth;
            const int left = std::max(kCommand35Left, twips(parts_.form->width()) + beyond);
            command35->move(px(left), command35->y());
        }
    }
    // A click on the strip beside the words closes the word panel.
    if (watched == parts_.panels->Picture12 && event->type() == QEvent::MouseButtonPress)
        panel_->hidePanel();
    return QObject::eventFilter(watched, event);
}
