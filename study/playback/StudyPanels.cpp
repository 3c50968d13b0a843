#include "StudyPanels.h"

#include "Design.h"
#include "DrawnToggle.h"
#include "Numbers.h"
#include "Pictures.h"
#include "Ui.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Design;

namespace {
QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    Ui::place(b, left, top, width, height);
    return b;
}
} // namespace

StudyPanels::StudyPanels(QWidget* form, Pictures* pictures) : QObject(form) {
    buildInputBand(form);
    buildWholeText(form, pictures);
    buildCompare(form, pictures);
    buildDictation(form);
    buildResults(form);
}

void StudyPanels::buildInputBand(QWidget* form) {
    const Bands b = bands(kClientHeight, kRuleY);
    Shape3 = Ui::frame(form, "Shape3", kBandLeft, b.top3, kBandWidth, b.height);
    Shape3->setProperty("role", "band");
    const int captionTop = int(b.top2 + b.height + 0.3 * b.U);
    Image18 = Ui::label(form, "Image18", {}, kBandLeft, captionTop, 240, 240);
    Image18->setPixmap(Pictures::typingIcon(QSize(px(240), px(240))));
    Label26 = Ui::label(form, "Label26", {}, kBandLeft + 270, captionTop - 45, 15, 15);
    Label7_2 = Ui::label(form, "Label7_2", QString::fromUtf8("请在此拼写，按回车键检查："),
                         kBandLeft + 300, captionTop, 4200, 255);
    Text2 = new QPlainTextEdit(form);
    Text2->setObjectName("Text2");
    Text2->setTabChangesFocus(true);
    Ui::place(Text2, kBandLeft + 150, b.top3 + 60, kBandWidth - 300, b.height - 90);

    // The word strip lies over the English band; its words come later.
    Picture12 =
        Ui::frame(form, "Picture12", kBandLeft + 15, b.top1 + 15, kBandWidth - 30, b.height - 30);
    Picture12->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture14 = Ui::frame(Picture12, "Picture14", -3890, 600, 3600, 330);
    Picture14->setProperty("role", "tip");
    auto* tip = Ui::label(Picture14, "Label37", QString::fromUtf8("点击句中单词可以查词并朗读"), 90,
                          0, 3510, 330);
    tip->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    WordPicture = Ui::frame(form, "WordPicture", 6000, 3000, 2295, 1350);
    WordPicture->setProperty("role", "wordPanel");
    WordPicture->hide();
}

void StudyPanels::buildWholeText(QWidget* form, Pictures* pictures) {
    const int vw = kContentWidth - 30, vh = kContentHeight - 515;
    Picture5 = Ui::frame(form, "Picture5", kContentLeft + 15, kRuleY + 15, vw, vh);
    Picture5->setProperty("role", "viewport");
    Picture2 = Ui::frame(Picture5, "Picture2", 0, 0, vw - 280, vh);
    Command32 = button(Picture5, "Command32", QString::fromUtf8("\u25B4"), vw - 255, 0, 255, 255);
    Command33 =
        button(Picture5, "Command33", QString::fromUtf8("\u25BE"), vw - 255, vh - 255, 255, 255);
    Image32 = Ui::label(Picture5, "Image32", {}, vw - 270, 255, 270, vh - 510);
    Image33 = Ui::label(Picture5, "Image33", {}, vw - 255, 255, 255, 600);
    for (QWidget* w : {static_cast<QWidget*>(Command32), static_cast<QWidget*>(Command33),
                       static_cast<QWidget*>(Image32), static_cast<QWidget*>(Image33)})
        w->hide();
    Picture11 = Ui::frame(Picture5, "Picture11", 600, 300, 2700, 330);
    Ui::label(Picture11, "Label38", QString::fromUtf8("双击英文句子查看译文"), 90, 0, 2610, 330);
    Picture11->hide();
    Picture5->hide();

    // The key sink sits out of sight but can take the focus.
    Combo4 = new QComboBox(form);
    Combo4->setObjectName("Combo4");
    Ui::place(Combo4, -3000, -3000, 1200, 300);

    Frame3 = Ui::frame(form, "Frame3", kContentLeft + 1700, kContentTop + 60, 6900, 330);
    Command34 = button(Frame3, "Command34", QString::fromUtf8(" 隐藏中文(&C)"), 0, 0, 1320, 330);
    wholeTextChinese = new DrawnToggle(Frame3, Frame3,
                                       {"Check3", QString::fromUtf8("显示中文"), "Label23",
                                        QString::fromUtf8("    显示中文"), "Image12", "a1.jpg"},
                                       pictures, true);
    wholeTextChinese->place(1440, 0, 1260, 330);
    wholeTextEnglish = new DrawnToggle(Frame3, Frame3,
                                       {"Check5", QString::fromUtf8("显示英文"), "Label31",
                                        QString::fromUtf8("    显示英文"), "Image27", "a1.jpg"},
                                       pictures, true);
    wholeTextEnglish->place(2760, 0, 1260, 330);
    Command6 = button(Frame3, "Command6", QString::fromUtf8(" 全文朗读(&R)"), 4140, 0, 1320, 330);
    Command7 = button(Frame3, "Command7", QString::fromUtf8(" 暂停朗读(&P)"), 5520, 0, 1320, 330);
    Command7->setEnabled(false);
    Frame3->hide();
    Command16 = button(form, "Command16", QString::fromUtf8(" 重置(&R)"),
                       kContentLeft + kContentWidth - 185 - 1080, kContentTop + 60, 1080, 330);
    Command16->hide();
}

void StudyPanels::buildCompare(QWidget* form, Pictures* pictures) {
    const int pw = kContentWidth - 30, ph = kContentHeight - 60;
    Picture4 = Ui::frame(form, "Picture4", kContentLeft + 15, kContentTop + 30, pw, ph);
    Picture4->setProperty("role", "comparePanel");
    Label7_11 = Ui::label(Picture4, "Label7_11", {}, 120, 120, pw - 250, 3300);
    Label7_11->setProperty("role", "panelFrame");
    Label10 = Ui::autoLabel(Picture4, "Label10", {}, 420, 420);
    Label10->setProperty("role", "compareEnglish");
    Label11 = Ui::autoLabel(Picture4, "Label11", {}, 420, 1200);
    Label11->setProperty("role", "compareChinese");
    compareChinese = new DrawnToggle(Picture4, Picture4,
                                     {"Check4", QString::fromUtf8("句子中文提示"), "Label24",
                                      QString::fromUtf8("    句子中文提示"), "Image13", "1.jpg"},
                                     pictures, false);
    compareChinese->place(120, 120 + 3300 + 150, 1800, 300);
    Label11->setVisible(false);
    const QStringList names = {"Command8",  "Command9",  "Command10", "Command11",
                               "Command12", "Command13", "Command14", "Command15"};
    const QStringList captions = {QString::fromUtf8("录音"),     QString::fromUtf8("循环对比"),
                                  QString::fromUtf8("停止"),     QString::fromUtf8("标准发音"),
                                  QString::fromUtf8("您的发音"), QString::fromUtf8("上一句"),
                                  QString::fromUtf8("下一句"),   QString::fromUtf8("首句")};
    QList<QPushButton*> buttons;
    for (int i = 0; i < names.size(); ++i)
        buttons << button(Picture4, names[i], captions[i], 120 + i * 1230, 4200, 1140, 390);
    buttons[1]->setEnabled(false);
    buttons[2]->setEnabled(false);
    buttons[4]->setEnabled(false);
    Command13 = buttons[5];
    Command14 = buttons[6];
    Command15 = buttons[7];
    Command13->setEnabled(false);
    Picture4->hide();
    Label13 = Ui::autoLabel(form, "Label13", QString::fromUtf8("录音音量调节>>"),
                            kContentLeft + 300, kClientHeight - 800);
    Label13->hide();
}

void StudyPanels::buildDictation(QWidget* form) {
    const int rowTop = kBottomRowTop, h = kBottomRowHeight;
    Frame11 = Ui::frame(form, "Frame11", kBandLeft, rowTop, 6600, h);
    const QStringList names = {"Command22", "Command23", "Command25", "Command24", "Command28"};
    const QStringList captions = {QString::fromUtf8("复读(&R)"), QString::fromUtf8("提示(&H)"),
                                  QString::fromUtf8("重做(&N)"), QString::fromUtf8("首句(&F)"),
                                  QString::fromUtf8("成绩(&G)")};
    for (int i = 0; i < names.size(); ++i)
        button(Frame11, names[i], captions[i], i * 1290, 0, 1200, h);

    Frame12 = Ui::frame(form, "Frame12", kClientWidth - 3300 - 250, rowTop, 3300, h);
    auto counter = [&](const QString& caption, const QString& name, int left) {
        Ui::label(Frame12, name + "Caption", caption, left, 0, 600, h)
            ->setAlignment(Qt::AlignVCenter);
        auto* l = Ui::label(Frame12, name, "0", left + 600, 0, 450, h);
        l->setAlignment(Qt::AlignVCenter);
        return l;
    };
    Label27 = counter(QString::fromUtf8("提示："), "Label27", 0);
    Label28 = counter(QString::fromUtf8("错误："), "Label28", 1100);
    Label29 = counter(QString::fromUtf8("复读："), "Label29", 2200);
    Label30 = Ui::label(Frame12, "Label30", "100", 0, 0, 10, 10);
    Label30->hide();

    Frame21 = Ui::frame(form, "Frame21", kClientWidth - 3300 - 250 - 3600, rowTop - 90, 3480, h);
    Ui::autoLabel(Frame21, "Label35", QString::fromUtf8("听写进度："), 0, 60);
    Label33 = Ui::autoLabel(Frame21, "Label33", "0", 1050, 60);
    Label7_36 = Ui::autoLabel(Frame21, "Label7_36", "/", 1200, 60);
    Label34 = Ui::autoLabel(Frame21, "Label34", "0", 1350, 60);
    Label32 = Ui::label(Frame21, "Label32", "0", 0, 0, 10, 10);
    Label32->hide();
    Picture9 = Ui::frame(Frame21, "Picture9", 1800, 90, 1650, 180);
    Picture9->setProperty("role", "progressFrame");
    Picture10 = Ui::frame(Picture9, "Picture10", -2685, 0, 2685, 180);
    Ui::setBackground(Picture10, QColor(0, 0, 192));

    Frame13 = Ui::frame(form, "Frame13", kClientWidth - 2700 - 400, kContentTop + 60, 2700, 330);
    Ui::label(Frame13, "Label42", QString::fromUtf8("过关分数："), 0, 0, 1050, 330)
        ->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
    Combo5 = new QComboBox(Frame13);
    Combo5->setObjectName("Combo5");
    Combo5->setEditable(true);
    Combo5->setInsertPolicy(QComboBox::NoInsert);
    Combo5->addItems({"60", "70", "80", "90", "100"});
    Combo5->setEditText("60");
    Combo5->setStyleSheet("QComboBox::drop-down { width: 0px; border: 0px; }");
    Ui::place(Combo5, 1080, 15, 720, 300);
    auto* arrow = button(Frame13, "Command29", QString::fromUtf8("\u25BE"), 1800, 15, 240, 300);
    arrow->setFocusPolicy(Qt::NoFocus);
    connect(arrow, &QPushButton::clicked, Combo5, &QComboBox::showPopup);
    Ui::label(Frame13, "Label43", QString::fromUtf8("分"), 2100, 0, 450, 330)
        ->setAlignment(Qt::AlignVCenter);

    const Bands b = bands(kClientHeight, kRuleY);
    Frame14 = Ui::frame(form, "Frame14", kBandLeft + kBandWidth - 4500,
                        int(b.top2 + b.height + 0.3 * b.U), 4500, 255);
    Ui::label(Frame14, "Label44", QString::fromUtf8("·快捷键：F7复读，F8提示，F12重做"), 0, 0, 4500,
              255)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QWidget* w : {Frame11, Frame12, Frame13, Frame14, Frame21})
        w->hide();
}

void StudyPanels::buildResults(QWidget* form) {
    const int w = 4800, h = 5700;
    Picture8 = Ui::frame(form, "Picture8", (kClientWidth - w) / 2, (kClientHeight - h) / 2, w, h);
    Picture8->setProperty("role", "resultsPanel");
    Ui::label(Picture8, "Label45", QString::fromUtf8("本册听写成绩"), 240, 150, 3000, 360);
    List2 = new QListWidget(Picture8);
    List2->setObjectName("List2");
    Ui::place(List2, 240, 600, w - 480, h - 1900);
    auto* legend = Ui::label(Picture8, "Label46",
                             QString::fromUtf8("带☆号的为未过关课程，带★号的为已过关课程。"), 240,
                             h - 1200, w - 480, 480);
    legend->setWordWrap(true);
    button(Picture8, "Command26", QString::fromUtf8("清除"), w - 2760, h - 600, 1080, 390);
    button(Picture8, "Command27", QString::fromUtf8("关闭"), w - 1560, h - 600, 1080, 390);
    button(Picture8, "Command17_3", QString::fromUtf8("×"), w - 420, 60, 300, 300);
    Picture8->hide();
}

void StudyPanels::resetDictationCounters() {
    Label27->setText("0");
    Label28->setText("0");
    Label29->setText("0");
    Label30->setText("100");
}

void StudyPanels::resetDictationProgress(int sentenceCount) {
    Label33->setText("0");
    Ui::fitToText(Label33);
    Ui::fitToText(Label34);
    Ui::setLeft(Label7_36, Ui::left(Label33) + Ui::width(Label33) + 40);
    Ui::setLeft(Label34, Ui::left(Label7_36) + Ui::width(Label7_36) + 40);
    const double ratio = sentenceCount > 0 ? 0.0 / sentenceCount : 0.0;
    Label32->setText(plainDecimal(ratio));
    Ui::setLeft(Picture10, int(Ui::width(Picture9) * ratio - Ui::width(Picture10)));
}
