#include "WordPanel.h"

#include "Twips.h"
#include "WordPlayer.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace {

constexpr int kHeadwordLeft = 195, kHeadwordTop = 120;
constexpr int kPronLeft = 195, kPronTop = 510;
constexpr int kMeaningLeft = 210, kMeaningTop = 870, kMeaningWidth = 1980, kMeaningHeight = 435;
constexpr int kFrameMargin = 75;      // right of the link to the panel's edge
constexpr int kPointerGap = 230;      // panel corner from the pointer
constexpr int kAbovePointerGap = 210; // when the panel opens above the pointer
constexpr int kPressOffset = 15;      // the link's pressed look

QFont font(const QString& family, double points, bool bold = false) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace

WordPanel::WordPanel(QWidget* wordPicture, const Dictionary* dictionary, WordPlayer* player,
                     ProgramFolder folder, QObject* parent)
    : QObject(parent), picture_(wordPicture), dictionary_(dictionary), player_(player),
      folder_(std::move(folder)),
      openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    picture_->setAutoFillBackground(true);
    QPalette pal = picture_->palette();
    pal.setColor(QPalette::Window, Qt::white);
    picture_->setPalette(pal);
    picture_->resize(px(kDesignWidthTwips), px(kDesignHeightTwips));

    shape_ = new QFrame(picture_);
    shape_->setObjectName(QStringLiteral("WordShape"));
    shape_->setFrameShape(QFrame::Box);
    shape_->setGeometry(0, 0, picture_->width(), picture_->height());

    english_ = new QLabel(picture_);
    english_->setObjectName(QStringLiteral("WordEnglishTextLabel"));
    english_->setFont(font(QStringLiteral("Times New Roman"), 14.25));
    english_->setTextFormat(Qt::PlainText);
    english_->move(px(kHeadwordLeft), px(kHeadwordTop));

    // The phonetics are stored in IPA; DejaVu Sans carries those symbols.
    pron_ = new QLabel(picture_);
    pron_->setObjectName(QStringLiteral("WordPronTextLabel"));
    pron_->setFont(font(QStringLiteral("DejaVu Sans"), 9.75, true));
    pron_->setTextFormat(Qt::PlainText);
    pron_->move(px(kPronLeft), px(kPronTop));

    chinese_ = new QLabel(picture_);
    chinese_->setObjectName(QStringLiteral("WordChineseTextLabel"));
    chinese_->setFont(font(QStringLiteral("新宋体"), 9));
    chinese_->setTextFormat(Qt::PlainText);
    chinese_->setWordWrap(true);
    chinese_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chinese_->setGeometry(px(kMeaningLeft), px(kMeaningTop), px(kMeaningWidth), px(kMeaningHeight));

    link_ = new QLabel(QStringLiteral("<词典>"), picture_);
    link_->setObjectName(QStringLiteral("WebWordFindLabel"));
    link_->setFont(font(QStringLiteral("新宋体"), 9));
    link_->setTextFormat(Qt::PlainText);
    QPalette linkPal = link_->palette();
    linkPal.setColor(QPalette::WindowText, QColor(0, 0, 64));
    link_->setPalette(linkPal);
    link_->setCursor(Qt::PointingHandCursor);
    link_->adjustSize();
    link_->installEventFilter(this);

    picture_->hide();
}

QString WordPanel::onlineDictionaryBase() {
    return QStringLiteral(
        "https://dictionary.cambridge.org/dictionary/english-chinese-simplified/");
}

QUrl WordPanel::onlineDictionaryAddress(const QString& headword) {
    // The word goes in as it stands; only the blank of a phrase cannot.
    QString word = headword;
    word.replace(QLatin1Char(' '), QStringLiteral("%20"));
    return QUrl(onlineDictionaryBase() + word, QUrl::TolerantMode);
}

void WordPanel::openForWord(const QString& word, const QPoint& globalPos) {
    LookUpWord(word, globalPos);
    picture_->show();
    picture_->raise();
    WordSoundOpen();
}

void WordPanel::LookUpWord(const QString& word, const QPoint& globalPos) {
    static const Dictionary empty;
    last_ = ::LookUpWord(dictionary_ ? *dictionary_ : empty, word);
    fill(last_);
    if (!last_.found) WordSoundStop();

    // A long headword widens the panel to hold its link; any other word
    // brings it back to the design width.
    const int linkRight = twips(link_->x() + link_->width());
    const int width = std::max(kDesignWidthTwips, linkRight + kFrameMargin);
    picture_->resize(px(width), picture_->height());
    shape_->setGeometry(0, 0, picture_->width(), picture_->height());
    placeAt(globalPos);
}

void WordPanel::fill(const WordLookup& lookup) {
    english_->setText(lookup.headword);
    english_->adjustSize();
    pron_->setText(lookup.phonetic);
    pron_->adjustSize();
    chinese_->setText(lookup.meaning);
    const int linkLeft = twips(english_->x() + english_->width()) + lookup.linkGapTwips;
    const int linkTop = english_->y() + (english_->height() - link_->height()) / 2;
    link_->move(px(linkLeft), linkTop);
}

void WordPanel::placeAt(const QPoint& globalPos) {
    QWidget* window = picture_->parentWidget();
    if (!window) return;
    const QPoint pointer = window->mapFromGlobal(globalPos);
    const int x = twips(pointer.x()), y = twips(pointer.y());
    const int w = twips(picture_->width()), h = twips(picture_->height());
    int left = x + kPointerGap;
    if (left + w > twips(window->width())) left = x - w;
    int top = y + kPointerGap;
    if (top + h > twips(window->height())) top = y - kAbovePointerGap - h;
    picture_->move(px(left), px(top));
}

void WordPanel::WordSoundOpen() {
    const QString path = folder_.wordAudioPath(english_->text());
    if (player_ && !path.isEmpty()) player_->play(path);
}

void WordPanel::WordSoundStop() {
    if (player_) player_->stop();
}

void WordPanel::WebWordFindLabel_MouseDown() {
    link_->move(link_->pos() + QPoint(px(kPressOffset), px(kPressOffset)));
}

void WordPanel::WebWordFindLabel_MouseUp() {
    link_->move(link_->pos() - QPoint(px(kPressOffset), px(kPressOffset)));
    if (openUrl_) openUrl_(onlineDictionaryAddress(english_->text()));
}

void WordPanel::hidePanel() {
    picture_->hide();
}

bool WordPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == link_) {
        if (event->type() == QEvent::MouseButtonPress) {
            WebWordFindLabel_MouseDown();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            WebWordFindLabel_MouseUp();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
