#include "LessonChooser.h"

#include "Design.h"
#include "Lesson.h"
#include "LessonAudioPlayer.h"
#include "Notifier.h"
#include "SentencePresenter.h"
#include "StudyModes.h"
#include "StudyPanels.h"
#include "Ui.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

namespace {
// The list's rows: tall enough for a Chinese title at the list's font.
constexpr int kRowHeightPx = 22;
} // namespace

LessonChooser::LessonChooser(QWidget* form, const ProgramFolder& folder, StudyState* state,
                             LessonAudioPlayer* player, SentencePresenter* presenter,
                             StudyModes* modes, StudyPanels* panels, QLabel* lessonTitle,
                             Notifier* notifier)
    : QObject(form), form_(form), folder_(folder), state_(state), player_(player),
      presenter_(presenter), modes_(modes), panels_(panels), lessonTitle_(lessonTitle),
      notifier_(notifier) {
    combo1_ = new QComboBox(form);
    combo1_->setObjectName("Combo1");
    Ui::place(combo1_, 120, Design::kContentTop, 2790, 360);
    picture6_ = Ui::frame(form, "Picture6", 120, Design::kContentTop + 450, 2790, 7000);
    list1_ = new QListWidget(picture6_);
    list1_->setObjectName("List1");
    list1_->setUniformItemSizes(true);
    list1_->setMouseTracking(true);
    Ui::place(list1_, 0, 0, 2790, 7000);
    list1_->viewport()->installEventFilter(this);
    list1_->installEventFilter(this);
    timer3_ = new QTimer(this);
    timer3_->setObjectName("Timer3");
    timer3_->setSingleShot(true);
    timer3_->setInterval(10);
    connect(timer3_, &QTimer::timeout, this, &LessonChooser::Timer3_Timer);
    connect(combo1_, &QComboBox::activated, this, &LessonChooser::Combo1_Click);
}

QString LessonChooser::bookName() const {
    return combo1_->currentText();
}

void LessonChooser::fillBooks() {
    combo1_->clear();
    combo1_->addItems(studyBooks());
}

void LessonChooser::showBook(const QString& name) {
    const int index = combo1_->findText(name);
    if (index >= 0) combo1_->setCurrentIndex(index);
    book_ = Book::load(folder_, name);
    list1_->clear();
    for (const QString& title : book_.lessonTitles) {
        auto* item = new QListWidgetItem(title, list1_);
        item->setSizeHint(QSize(0, kRowHeightPx));
    }
}

void LessonChooser::restore(const QString& storedBook, int storedLesson) {
    QString name = storedBook;
    bool fellBack = false;
    if (combo1_->findText(name) < 0 || Book::load(folder_, name).lessonTitles.isEmpty()) {
        for (const QString& candidate : studyBooks()) {
            if (!Book::load(folder_, candidate).lessonTitles.isEmpty()) {
                name = candidate;
                fellBack = true;
                break;
            }
        }
    }
    if (combo1_->findText(name) < 0 && combo1_->count() > 0) name = combo1_->itemText(0);
    showBook(name);
    int row = fellBack ? 0 : storedLesson;
    if (row < 0 || row >= list1_->count()) row = 0;
    if (list1_->count() > 0) list1_->setCurrentRow(row);
}

void LessonChooser::Combo1_Click() {
    showBook(combo1_->currentText());
    if (list1_->count() > 0) list1_->setCurrentRow(0);
    timer3_->start();
}

void LessonChooser::Timer3_Timer() {
    timer3_->stop();
    loadlesson();
}

void LessonChooser::List1_MouseUp() {
    if (!list1_->currentItem()) return;
    loadlesson();
    list1_->setToolTip(QString::fromUtf8("当前课程：") + list1_->currentItem()->text());
}

bool LessonChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list1_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        // The release lands after the list has moved its selection.
        QTimer::singleShot(0, this, &LessonChooser::List1_MouseUp);
    } else if (watched == list1_->viewport() && event->type() == QEvent::MouseMove) {
        emit listPointerMoved();
    } else if (watched == list1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            List1_MouseUp();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void LessonChooser::loadlesson() {
    const QString bookName = combo1_->currentText();
    LessonIndex = list1_->currentRow();
    const int number = LessonIndex + 1;
    if (LessonIndex < 0) {
        // A book without lessons: nothing of the previous lesson stays.
        player_->VoiceSet();
        lessonTitle_->clear();
        presenter_->clearLesson();
        panels_->resetDictationProgress(0);
        panels_->Label34->setText("0");
        emit lessonLoaded(); // no rows of the previous lesson stay
        modes_->cc();
        return;
    }
    lessonTitle_->setText(list1_->currentItem()->text());

    player_->VoiceSet();
    player_->LessonAudioPath = folder_.lessonAudioPath(bookName, number);
    player_->VoiceOpen();
    if (player_->LessonAudioPath.isEmpty() || !QFileInfo::exists(player_->LessonAudioPath))
        notifier_->information(form_, QString::fromUtf8("提示"),
                               QString::fromUtf8("本课的音频文件没有安装，本课没有声音，"
                                                 "只能学习文字。"));

    auto loaded = Lesson::load(folder_.lessonTextPath(bookName, number));
    if (auto* problem = std::get_if<LessonProblem>(&loaded)) {
        presenter_->clearLesson();
        panels_->resetDictationProgress(0);
        panels_->Label34->setText("0");
        emit lessonLoaded();
        modes_->cc();
        notifier_->information(form_, QString::fromUtf8("提示"), problem->message());
        return;
    }
    const Lesson& lesson = std::get<Lesson>(loaded);
    panels_->Label34->setText("-1");
    presenter_->beginLesson(lesson.text, lesson.sentenceCount());
    panels_->Label34->setText(QString::number(lesson.sentenceCount()));
    panels_->resetDictationProgress(lesson.sentenceCount());

    emit lessonLoaded();
    modes_->cc();
    if (state_->StudyMode == 2 || state_->StudyMode == 3 || state_->StudyMode == 4)
        panels_->Combo4->setFocus();
}
