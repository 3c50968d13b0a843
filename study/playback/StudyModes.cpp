#include "StudyModes.h"

#include "Design.h"
#include "DrawnToggle.h"
#include "LessonAudioPlayer.h"
#include "Pictures.h"
#include "SentencePlayback.h"
#include "SentencePresenter.h"
#include "StudyPanels.h"
#include "Ui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace Design;

namespace {
// Tab positions left to right: click area index, caption label, caption.
struct TabSpec {
    int k;
    int captionIndex;
    const char* caption;
};
const std::array<TabSpec, 8> kTabs = {{{1, 0, "句子学习"},
                                       {2, 1, "全文浏览"},
                                       {3, 15, "回想中文"},
                                       {4, 16, "回想英文"},
                                       {5, 17, "跟读对比"},
                                       {8, 24, "听写测试"},
                                       {7, 23, "迷你模式"},
                                       {6, 21, "更多软件"}}};

const QColor kSelection(46, 110, 122);
const QColor kHover(150, 190, 196);
} // namespace

const QList<StudyModes::Rule>& StudyModes::table() {
    //                                 1    8    2    3    4    5
    static const QList<Rule> rules = {
        {"Frame1", {'S', 'S', 'H', 'H', 'H', 'H'}},   {"Frame2", {'S', 'H', 'S', 'H', 'H', 'H'}},
        {"Frame3", {'H', 'H', 'S', 'H', 'H', 'H'}},   {"Frame4", {'S', 'H', 'H', 'H', 'H', 'H'}},
        {"Frame5", {'S', 'H', 'H', 'H', 'H', 'H'}},   {"Frame7", {'S', 'H', 'H', 'H', 'H', 'H'}},
        {"Frame8", {'S', 'S', 'H', 'H', 'H', 'H'}},   {"Check1", {'S', 'H', 'H', 'H', 'H', 'H'}},
        {"Check2", {'S', 'S', 'H', 'H', 'H', 'H'}},   {"Label1", {'E', 'H', '-', '-', '-', '-'}},
        {"Label39", {'M', 'S', '-', '-', '-', '-'}},  {"Picture12", {'E', 'H', 'H', 'H', 'H', 'H'}},
        {"Picture5", {'H', 'H', 'S', 'S', 'S', 'H'}}, {"Picture4", {'H', 'H', 'H', 'H', 'H', 'S'}},
        {"Label13", {'H', 'H', 'H', 'H', 'H', 'S'}},  {"Command16", {'H', 'H', 'H', 'S', 'S', 'H'}},
        {"Frame11", {'H', 'S', 'H', 'H', 'H', 'H'}},  {"Frame12", {'H', 'S', 'H', 'H', 'H', 'H'}},
        {"Frame13", {'H', 'S', 'H', 'H', 'H', 'H'}},  {"Frame14", {'H', 'S', 'H', 'H', 'H', 'H'}},
        {"Frame21", {'H', 'S', 'H', 'H', 'H', 'H'}},  {"Label7_6", {'S', 'S', 'S', 'S', 'S', '-'}},
    };
    return rules;
}

int StudyModes::column(int mode) {
    switch (mode) {
    case 1:
        return 0;
    case 8:
        return 1;
    case 2:
        return 2;
    case 3:
        return 3;
    case 4:
        return 4;
    case 5:
        return 5;
    default:
        return -1;
    }
}

QString StudyModes::title(int mode) {
    switch (mode) {
    case 1:
        return QString::fromUtf8("句子学习");
    case 2:
        return QString::fromUtf8("全文浏览");
    case 3:
        return QString::fromUtf8("回想中文");
    case 4:
        return QString::fromUtf8("回想英文");
    case 5:
        return QString::fromUtf8("跟读对比");
    case 8:
        return QString::fromUtf8("听写测试");
    default:
        return {};
    }
}

QString StudyModes::hint(int mode) {
    if (mode == 3)
        return QString::fromUtf8("点击英文句子下方的空行即可显示相对应的中文，按“重置”为恢复。");
    if (mode == 4)
        return QString::fromUtf8("点击中文句子上方的空行即可显示相对应的英文，按“重置”为恢复。");
    return {};
}

StudyModes::StudyModes(QWidget* form, StudyState* state, SentencePresenter* presenter,
                       SentencePlayback* playback, StudyPanels* panels)
    : QObject(form), form_(form), state_(state), presenter_(presenter), playback_(playback),
      panels_(panels) {
    buildContentFrame(form);
    buildTabs(form);
}

void StudyModes::buildContentFrame(QWidget* form) {
    content_ =
        Ui::label(form, "Label7_6", {}, kContentLeft, kContentTop, kContentWidth, kContentHeight);
    content_->setProperty("role", "contentFrame");
    content_->lower();
    strip_ = Ui::label(form, "Label36", {}, kContentLeft + 15, kContentTop + 15, kContentWidth - 30,
                       kStripHeight);
    strip_->setProperty("role", "titleStrip");
    line2_ = new LineWidget(form, "Line2", QColor(128, 128, 128));
    line2_->setLine(kContentLeft, kRuleY, kContentLeft + kContentWidth - 15, kRuleY);
    title_ = Ui::label(form, "Label7_12", title(1), kContentLeft + 180, kContentTop + 15, 1440,
                       kStripHeight);
    title_->setProperty("role", "modeTitle");
    title_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    hint_ =
        Ui::label(form, "Label7_13", {}, kContentLeft + 1700, kContentTop + 15, 9000, kStripHeight);
    hint_->setProperty("role", "modeHint");
    hint_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    applyStripColours();
}

void StudyModes::buildTabs(QWidget* form) {
    for (int p = 0; p < 8; ++p) {
        const TabSpec& tabSpec = kTabs[p];
        const int left = kTabLeft + p * kTabStep;
        auto* picture =
            Ui::label(form, Ui::arrayName("Image1", p), {}, left + 165, kTabTop + 60, 570, 510);
        picture->setAlignment(Qt::AlignCenter);
        picture->setPixmap(Pictures::tabPicture(p, QSize(px(510), px(510))));
        auto* caption =
            Ui::label(form, Ui::arrayName("Label7", tabSpec.captionIndex),
                      QString::fromUtf8(tabSpec.caption), left, kTabTop + 580, kTabWidth, 240);
        caption->setAlignment(Qt::AlignCenter);
        caption->setProperty("role", "tabCaption");
        auto* area = new ClickLabel(form);
        area->setObjectName(Ui::arrayName("Label14", tabSpec.k));
        area->setCursor(Qt::PointingHandCursor);
        area->setToolTip(QString::fromUtf8(tabSpec.caption));
        Ui::place(area, left, kTabTop, kTabWidth, kTabHeight);
        tabs_[tabSpec.k] = area;
        const int k = tabSpec.k;
        connect(area, &ClickLabel::released, this, [this, k](Qt::MouseButton b) {
            if (b == Qt::LeftButton) Label14_MouseUp(k);
        });
        connect(area, &ClickLabel::moved, this, [this, k] { Label14_MouseMove(k); });
    }
    for (int i = 0; i < 4; ++i) {
        selection_[i] = new LineWidget(form, QString("Line%1").arg(4 + i), kSelection);
        hover_[i] = new LineWidget(form, QString("Line%1").arg(28 + i), kHover);
        hover_[i]->hide();
    }
    outline(selection_, tabs_[1]);
    tabs_[1]->setEnabled(false);
}

void StudyModes::outline(const std::array<LineWidget*, 4>& lines, const QWidget* area) {
    const int l = Ui::left(area), t = Ui::top(area), w = Ui::width(area), h = Ui::height(area);
    lines[0]->setLine(l, t, l + w, t);         // top
    lines[1]->setLine(l, t, l, t + h);         // left
    lines[2]->setLine(l, t + h, l + w, t + h); // bottom
    lines[3]->setLine(l + w, t, l + w, t + h); // right
    for (auto* line : lines)
        line->raise();
}

void StudyModes::hideHoverLines() {
    for (auto* line : hover_)
        line->hide();
}

void StudyModes::Label14_MouseMove(int k) {
    if (!tabs_[7]->isEnabled()) tabs_[7]->setEnabled(true);
    outline(hover_, tabs_[k]);
    for (auto* line : hover_)
        line->show();
}

void StudyModes::Form_MouseMove() {
    if (!tabs_[7]->isEnabled()) tabs_[7]->setEnabled(true);
    hideHoverLines();
}

void StudyModes::Label14_MouseUp(int k) {
    if (k < 1 || k > 8) return;
    for (int i = 1; i <= 8; ++i)
        tabs_[i]->setEnabled(true);
    tabs_[k]->setEnabled(false);
    hideHoverLines();
    outline(selection_, tabs_[k]);
    if (k == 1) {
        state_->StudyMode = 1;
        if (!presenter_->LessonText().isEmpty()) presenter_->ty();
    } else if (k == 2 || k == 3 || k == 4 || k == 5 || k == 8) {
        state_->StudyMode = k;
    }
    if (state_->StudyMode != 8) playback_->player()->VoicePause();
    panels_->Combo4->setFocus();
    playback_->EndWatchTimer()->stop();
    cc();
    if (state_->StudyMode == 8) {
        panels_->resetDictationProgress(presenter_->SentenceCount());
        presenter_->FirstSentence();
    }
    if (k == 6) emit homepageRequested();
    if (k == 7) {
        emit companionRequested();
        tabs_[7]->setEnabled(false);
    }
    applyStripColours();
}

void StudyModes::applyStripColours() {
    const int mode = state_->StudyMode;
    const bool wholeText = mode == 2 || mode == 3 || mode == 4;
    line2_->setColor(wholeText ? QColor(148, 148, 148) : QColor(128, 128, 128));
    Ui::setBackground(strip_, wholeText ? QColor(130, 130, 130) : QColor(120, 120, 120));
}

void StudyModes::applyTable() {
    const int col = column(state_->StudyMode);
    if (col < 0) return;
    const bool english = presenter_->englishToggle()->isOn();
    for (const Rule& rule : table()) {
        auto* w = form_->findChild<QWidget*>(QString::fromLatin1(rule.panel));
        if (!w) continue;
        switch (rule.byMode[col]) {
        case 'S':
            w->show();
            break;
        case 'H':
            w->hide();
            break;
        case 'E':
            w->setVisible(english);
            break;
        case 'M':
            w->setVisible(!english);
            break;
        default:
            break;
        }
    }
}

void StudyModes::cc() {
    playback_->PlayCount = 0;
    panels_->WordPicture->hide();
    panels_->Command6->setText(QString::fromUtf8(" 全文朗读(&R)"));
    panels_->Command7->setText(QString::fromUtf8(" 暂停朗读(&P)"));
    panels_->Command7->setEnabled(false);

    const int mode = state_->StudyMode;
    if (column(mode) >= 0) {
        title_->setText(title(mode));
        hint_->setText(hint(mode));
    }
    applyTable();
    switch (mode) {
    case 1:
        panels_->Text2->setFocus();
        playback_->setRepeatTexts(playback_->ReadTimesStudy, playback_->PauseSecsStudy);
        presenter_->showNoteBesideTranslation(true);
        break;
    case 8:
        panels_->Text2->setFocus();
        playback_->setRepeatTexts("1", "0");
        presenter_->showNoteBesideTranslation(false);
        break;
    case 2:
        playback_->setRepeatTexts(playback_->ReadTimesBrowse, playback_->PauseSecsBrowse);
        emit rowStyleRequested(2);
        break;
    case 3:
    case 4:
        playback_->setRepeatTexts("1", "0");
        emit rowStyleRequested(mode);
        break;
    case 5:
        playback_->setRepeatTexts("1", "0");
        break;
    default:
        break;
    }
    playback_->applyPauseInterval();
    playback_->PauseTimer()->stop();
}
