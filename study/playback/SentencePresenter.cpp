#include "SentencePresenter.h"

#include "Design.h"
#include "DrawnToggle.h"
#include "Lesson.h"
#include "LessonAudioPlayer.h"
#include "Notifier.h"
#include "Numbers.h"
#include "Pictures.h"
#include "SentencePlayback.h"
#include "StudyPanels.h"
#include "Ui.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Design;

namespace {
QPushButton* sentenceButton(QWidget* parent, const QString& name, const QString& caption,
                            int left) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    Ui::place(b, left, 0, 1170, kBottomRowHeight);
    return b;
}

// The label's one-line size for its caption.
QSize naturalSize(const QLabel* label) {
    const QFontMetrics fm(label->font());
    const int m = 2 * label->margin() + 2 * label->frameWidth();
    return QSize(fm.horizontalAdvance(label->text()) + m + 2, fm.height() + m);
}
} // namespace

SentencePresenter::SentencePresenter(QWidget* form, StudyState* state, SentencePlayback* playback,
                                     StudyPanels* panels, Pictures* pictures, Notifier* notifier)
    : QObject(form), state_(state), playback_(playback), panels_(panels), notifier_(notifier),
      form_(form) {
    text1_ = new QLineEdit(form);
    text1_->setObjectName("Text1");
    text1_->hide();
    buildBands(form, pictures);
    buildCounter(form);
    buildButtons(form);
}

void SentencePresenter::buildBands(QWidget* form, Pictures* pictures) {
    const Bands b = bands(kClientHeight, kRuleY);
    Shape1 = Ui::frame(form, "Shape1", kBandLeft, b.top1, kBandWidth, b.height);
    Shape2 = Ui::frame(form, "Shape2", kBandLeft, b.top2, kBandWidth, b.height);
    Shape1->setProperty("role", "band");
    Shape2->setProperty("role", "band");
    Shape1->lower();
    Shape2->lower();

    const int textWidth = kBandWidth - 300;
    Label1 =
        Ui::label(form, "Label1", {}, kBandLeft + 150, b.top1 + 110, textWidth, b.height - 100);
    Label39 =
        Ui::label(form, "Label39", {}, kBandLeft + 150, b.top1 + 110, textWidth, b.height - 160);
    Label1->setProperty("role", "english");
    Label39->setProperty("role", "englishMask");
    for (QLabel* l : {Label1, Label39}) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setFont(QFont("Times New Roman", 20));
        l->setTextInteractionFlags(Qt::NoTextInteraction);
    }
    Label2 = Ui::label(form, "Label2", {}, kBandLeft + 150, b.top2 + 170, textWidth, 450);
    Label40 = Ui::label(form, "Label40", {}, kBandLeft + 150, b.top2 + 170, textWidth, 450);
    Label2->setProperty("role", "chinese");
    Label40->setProperty("role", "chineseMask");
    for (QLabel* l : {Label2, Label40}) {
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setFont(QFont(QString::fromUtf8("宋体"), 15));
    }
    Label41 = Ui::label(form, "Label41", {}, kBandLeft + 150, b.top2 + 725, textWidth, 330);
    Label41->setProperty("role", "note");
    Label41->setFont(QFont(QString::fromUtf8("宋体"), 11));
    Label41->setWordWrap(true);
    Label39->hide();
    Label40->hide();

    const int toggleTop1 = int(kRuleY + 0.31 * b.U);
    const int toggleTop2 = int(b.top1 + b.height + 0.31 * b.U);
    Frame7 = Ui::frame(form, "Frame7", kBandLeft, toggleTop1, 2100, 300);
    Frame8 = Ui::frame(form, "Frame8", kBandLeft, toggleTop2, 2100, 300);
    english_ = new DrawnToggle(form, Frame7,
                               {"Check1", QString::fromUtf8("句子英文提示"), "Label21",
                                QString::fromUtf8("   显示英文句子"), "Image10", "1.jpg"},
                               pictures, true);
    chinese_ = new DrawnToggle(form, Frame8,
                               {"Check2", QString::fromUtf8("句子中文提示"), "Label22",
                                QString::fromUtf8("    显示中文句子"), "Image11", "1.jpg"},
                               pictures, true);
    english_->place(0, 0, 2100, 300);
    chinese_->place(0, 0, 2100, 300);
    // The state holders lie under their drawn toggles.
    Ui::place(english_->check(), kBandLeft, toggleTop1, 0, 0);
    Ui::place(chinese_->check(), kBandLeft, toggleTop2, 0, 0);
    english_->check()->lower();
    chinese_->check()->lower();
    connect(english_, &DrawnToggle::changed, this, &SentencePresenter::applyEnglishChoice);
    connect(chinese_, &DrawnToggle::changed, this, &SentencePresenter::applyChineseChoice);
}

void SentencePresenter::buildCounter(QWidget* form) {
    Frame1 = Ui::frame(form, "Frame1", kContentLeft + 1700, kContentTop + 60, 4800, 330);
    counterCaption3_ = Ui::autoLabel(Frame1, "Label7_3", QString::fromUtf8("本课共有"), 0, 30);
    Label4 = Ui::autoLabel(Frame1, "Label4", "0", Ui::width(counterCaption3_) + 60, 30);
    counterCaption4_ = Ui::autoLabel(Frame1, "Label7_4", QString::fromUtf8("句，当前是第"), 0, 30);
    Label3 = Ui::autoLabel(Frame1, "Label3", "0", 0, 30);
    counterCaption5_ = Ui::autoLabel(Frame1, "Label7_5", QString::fromUtf8("句"), 0, 30);
    for (QLabel* l : {Label3, Label4})
        l->setProperty("role", "counterNumber");
    for (QLabel* l : {counterCaption3_, counterCaption4_, counterCaption5_, Label3, Label4})
        l->setProperty("strip", true);
    layOutCounter();
}

void SentencePresenter::buildButtons(QWidget* form) {
    Frame5 = Ui::frame(form, "Frame5", kBandLeft, kBottomRowTop, 7560, kBottomRowHeight);
    Command3 = sentenceButton(Frame5, "Command3", QString::fromUtf8("首句(&F)"), 0);
    Command2 = sentenceButton(Frame5, "Command2", QString::fromUtf8("上一句(&P)"), 1260);
    Command1 = sentenceButton(Frame5, "Command1", QString::fromUtf8("下一句(&N)"), 2520);
    Command4 = sentenceButton(Frame5, "Command4", QString::fromUtf8("朗读(&R)"), 3780);
    Command5 = sentenceButton(Frame5, "Command5", QString::fromUtf8("英文(&E)"), 5040);
    Command36 = sentenceButton(Frame5, "Command36", QString::fromUtf8("中文(&C)"), 6300);
    Command1->setProperty("accent", true);
    Command1->setMouseTracking(true);
    Command1->installEventFilter(this);
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    connect(Command1, &QPushButton::clicked, this, &SentencePresenter::NextSentence);
    connect(Command2, &QPushButton::clicked, this, &SentencePresenter::PrevSentence);
    connect(Command3, &QPushButton::clicked, this, &SentencePresenter::FirstSentence);
    connect(Command4, &QPushButton::clicked, playback_, &SentencePlayback::PlaySentence);
    connect(Command5, &QPushButton::clicked, this, &SentencePresenter::Command5_Click);
    connect(Command36, &QPushButton::clicked, this, &SentencePresenter::Command36_Click);
    // The compare panel's own previous and next buttons step the same way.
    connect(panels_->Command13, &QPushButton::clicked, this, &SentencePresenter::PrevSentence);
    connect(panels_->Command14, &QPushButton::clicked, this, &SentencePresenter::NextSentence);
    connect(panels_->Command15, &QPushButton::clicked, this, &SentencePresenter::FirstSentence);
}

bool SentencePresenter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Command1 &&
        (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::HoverMove))
        emit nextButtonPointer();
    return QObject::eventFilter(watched, event);
}

int SentencePresenter::SentenceNo() const {
    return leadingInt(Label3->text());
}
int SentencePresenter::SentenceCount() const {
    return leadingInt(Label4->text());
}

void SentencePresenter::setNextEnabled(bool on) {
    Command1->setEnabled(on);
    panels_->Command14->setEnabled(on);
}

void SentencePresenter::setPrevEnabled(bool on) {
    Command2->setEnabled(on);
    panels_->Command13->setEnabled(on);
}

void SentencePresenter::beginLesson(const QString& lessonText, int sentenceCount) {
    lessonText_ = lessonText;
    Label3->setText("0");
    Label4->setText(QString::number(sentenceCount));
    CurRecordStart = 0;
    CurRecordEnd = 0; // the leading "*"
    NextSentence();
    setPrevEnabled(false);
    setNextEnabled(SentenceCount() > 1);
}

void SentencePresenter::clearLesson() {
    lessonText_.clear();
    CurRecordStart = CurRecordEnd = 0;
    Label3->setText("0");
    Label4->setText("0");
    for (QLabel* l :
         {Label1, Label39, Label2, Label40, Label41, panels_->Label10, panels_->Label11})
        l->clear();
    playback_->player()->setSentenceTimes(0, 0);
    layOutCounter();
    setNextEnabled(false);
    setPrevEnabled(false);
    emit presented();
}

void SentencePresenter::NextSentence() {
    // A lesson never steps past its final "*", whatever the buttons say.
    const qsizetype next = SentenceRecord::nextStar(lessonText_, CurRecordEnd);
    if (lessonText_.isEmpty() || next < 0) return;
    CurRecordStart = CurRecordEnd;
    CurRecordEnd = next;
    Label3->setText(QString::number(SentenceNo() + 1));
    ty();
    if (SentenceNo() == SentenceCount()) setNextEnabled(false);
    setPrevEnabled(true);
    if (state_->StudyMode == 8 || (state_->StudyMode == 1 && playback_->readCount() > 0))
        playback_->PlaySentence();
}

void SentencePresenter::PrevSentence() {
    const qsizetype previous = SentenceRecord::previousStar(lessonText_, CurRecordStart);
    if (lessonText_.isEmpty() || previous < 0) return;
    CurRecordEnd = CurRecordStart;
    CurRecordStart = previous;
    Label3->setText(QString::number(SentenceNo() - 1));
    ty();
    if (SentenceNo() == 1) setPrevEnabled(false);
    setNextEnabled(true);
    if (state_->StudyMode == 1 && playback_->readCount() > 0) playback_->PlaySentence();
}

void SentencePresenter::FirstSentence() {
    if (lessonText_.isEmpty()) return;
    CurRecordStart = 0;
    CurRecordEnd = 0;
    Label3->setText("0");
    NextSentence();
    Label3->setText("1");
    layOutCounter();
    setNextEnabled(true);
    setPrevEnabled(false);
}

QString SentencePresenter::englishMask(const QString& english) {
    QString mask = english;
    for (QChar& c : mask) {
        const QChar lower = c.toLower();
        if (lower >= QLatin1Char('a') && lower <= QLatin1Char('z')) c = QLatin1Char('_');
    }
    return mask;
}

QString SentencePresenter::chineseMask(const QString& chinese) {
    static const QString kept = QString::fromUtf8("，。？！");
    QString mask;
    mask.reserve(chinese.size());
    for (QChar c : chinese)
        mask += kept.contains(c) ? c : QChar(0x25A0);
    return mask;
}

void SentencePresenter::ty() {
    Label39->clear();
    Label40->clear();
    playback_->PlayCount = 0;

    const QStringView record = SentenceRecord::between(lessonText_, CurRecordStart, CurRecordEnd);
    text1_->setText(record.toString());
    const Sentence s = SentenceRecord::split(record);
    playback_->player()->setSentenceTimes(s.Start, s.End);

    Label1->setText(s.English);
    Label39->setText(englishMask(s.English));

    // The translation keeps its one-line size unless it is wider than the
    // English line; then it wraps into as many lines as it needs.
    Label2->setText(s.Chinese);
    Label2->setWordWrap(false);
    const QSize natural = naturalSize(Label2);
    const int englishWidth = Ui::width(Label1);
    int w = twips(natural.width()), h = twips(natural.height());
    if (w > englishWidth && englishWidth > 0) {
        h = h * (w / englishWidth + 1);
        w = englishWidth;
        Label2->setWordWrap(true);
    }
    Ui::resize(Label2, w, h);
    Label41->setText(SentenceRecord::trimSpaces(s.Note));
    Ui::setTop(Label41, Ui::top(Label2) + Ui::height(Label2) + 105);
    Ui::setWidth(Label41, englishWidth);
    Label40->setText(chineseMask(s.Chinese));
    Label40->setGeometry(Label2->geometry());
    Label40->setWordWrap(Label2->wordWrap());

    layOutCounter();
    layOutCompareText();

    if (state_->StudyMode == 1) {
        applyEnglishChoice();
        applyChineseChoice();
    } else if (state_->StudyMode == 8) {
        Label1->hide();
        Label39->show();
        applyChineseChoice();
    }

    panels_->resetDictationCounters();
    panels_->Text2->clear();
    panels_->Text2->setFocus();
    emit presented();
}

void SentencePresenter::layOutCounter() {
    for (QLabel* l : {Label3, Label4})
        Ui::fitToText(l);
    Ui::setLeft(counterCaption4_, Ui::left(Label4) + Ui::width(Label4) + 60);
    Ui::setLeft(Label3, Ui::left(counterCaption4_) + Ui::width(counterCaption4_) + 60);
    Ui::setLeft(counterCaption5_, Ui::left(Label3) + Ui::width(Label3) + 60);
}

void SentencePresenter::layOutCompareText() {
    QLabel* l10 = panels_->Label10;
    QLabel* l11 = panels_->Label11;
    const int limit = Ui::left(panels_->Label7_11) + Ui::width(panels_->Label7_11) - 700;
    l10->setText(Label1->text());
    l10->setWordWrap(false);
    const QSize natural = naturalSize(l10);
    int w = twips(natural.width()), h = twips(natural.height());
    if (w > limit && limit > 0) {
        const int divisor = std::max(1, int(std::lround(limit * 0.95)));
        h = (w / divisor + 1) * h;
        w = limit;
        l10->setWordWrap(true);
    }
    Ui::resize(l10, w, h);
    l11->setText(Label2->text());
    l11->setWordWrap(true);
    Ui::resize(l11, Ui::width(l10), std::max(Ui::height(l11), 450));
    Ui::setTop(l11, Ui::top(l10) + Ui::height(l10) + 200);
}

void SentencePresenter::applyEnglishChoice() {
    const bool on = english_->isOn();
    Label1->setVisible(on);
    panels_->Picture12->setVisible(on);
    Label39->setVisible(!on);
}

void SentencePresenter::applyChineseChoice() {
    const bool on = chinese_->isOn();
    Label2->setVisible(on);
    Label41->setVisible(on);
    Label40->setVisible(!on);
}

void SentencePresenter::showNoteBesideTranslation(bool besideTranslation) {
    if (besideTranslation)
        Ui::setLeft(Label41, Ui::left(Label2));
    else
        Ui::setLeft(Label41, -Ui::width(Label41) - 60);
}

void SentencePresenter::Command5_Click() {
    if (english_->isOn()) {
        notifier_->information(
            form_, QString::fromUtf8("使用提示"),
            QString::fromUtf8("请在“显示英文句子”处于未选中状态时使用此功能（快捷键F8）。"));
    } else if (Ui::shown(Label1)) {
        Label1->hide();
        panels_->Picture12->hide();
        Label39->show();
    } else {
        Label1->show();
        panels_->Picture12->show();
        Label39->hide();
    }
    panels_->Text2->setFocus();
}

void SentencePresenter::Command36_Click() {
    if (chinese_->isOn()) {
        notifier_->information(
            form_, QString::fromUtf8("使用提示"),
            QString::fromUtf8("请在“显示中文句子”处于未选中状态时使用此功能（快捷键F9）。"));
    } else if (Ui::shown(Label2)) {
        Label2->hide();
        Label41->hide();
        Label40->show();
    } else {
        Label2->show();
        Label41->show();
        Label40->hide();
    }
    panels_->Text2->setFocus();
}
