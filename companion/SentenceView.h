#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QWidget;

// The two sentence lines of the companion window and the window size they
// call for. Geometry is worked out in twips and handed to the widgets through
// px(), so the layout reads like its design.
class SentenceView : public QObject {
    Q_OBJECT
public:
    static constexpr int kEnglishLeft = 165;
    static constexpr int kChineseLeft = 180;
    static constexpr int kEnglishTopWithChinese = 405;
    static constexpr int kEnglishTopAlone = 450;
    static constexpr int kMinWindowWidth = 2500;
    static constexpr double kEnglishPoints = 14.25;
    static constexpr double kChinesePoints = 10.5;
    static constexpr double kFontStep = 3.0;
    static constexpr double kMaxEnglishPoints = 72.0;

    // The lines are children of `host`, the companion window.
    explicit SentenceView(QWidget* host);

    QLabel* EnglishLine() const { return english_; }
    QLabel* ChineseLine() const { return chinese_; }

    bool ShowEnglish() const { return showEnglish_; }
    bool ShowChinese() const { return showChinese_; }
    double englishPoints() const { return englishPoints_; }
    double chinesePoints() const { return chinesePoints_; }

    // Geometry in twips, as last laid out.
    int englishLeft() const { return englishLeft_; }
    int englishTop() const { return englishTop_; }
    int englishHeight() const { return englishHeight_; }
    int englishWidth() const { return englishWidth_; }
    int chineseLeft() const { return chineseLeft_; }
    int chineseTop() const { return chineseTop_; }
    int chineseHeight() const { return chineseHeight_; }
    int windowWidth() const { return windowWidth_; }
    int windowHeight() const { return windowHeight_; }
    bool englishWraps() const { return wraps_; }

    // The screen width in twips that a sentence must fit; 0 uses the screen
    // the window is on.
    void setScreenWidth(int twips) { screenWidth_ = twips; }

public slots:
    // ty, steps 5 to 12: fill the lines and size the window around them.
    void ty(const QString& english, const QString& chinese, const QString& tooltip);
    // Start-up: the stored display choices, without resizing.
    void setShowEnglish(bool show);
    void setShowChinese(bool show);
    void setTextColour(quint32 colour);
    // "中文(&C)": show or hide the Chinese line and resize the window.
    void AR9_Click();
    // "放大字体" / "缩小字体". Each press moves both lines by 3 points; a press
    // that would bring a line to zero points or below (or the English line
    // above 72) does nothing and returns false.
    bool BigFont_Click();
    bool SmallFont_Click();
    // F9 shows the English line until the next presentation.
    void revealEnglish();

signals:
    void windowSized(int widthTwips, int heightTwips);
    // The window is wider than the screen: its left edge goes here.
    void leftEdgeForced(int leftTwips);
    void chineseShownChanged(bool shown);

private:
    bool changeFont(double step);
    void layout();
    void place();
    int screenWidth() const;

    QWidget* host_;
    QLabel* english_;
    QLabel* chinese_;
    bool showEnglish_ = true;
    bool showChinese_ = true;
    double englishPoints_ = kEnglishPoints;
    double chinesePoints_ = kChinesePoints;
    int screenWidth_ = 0;

    QString englishText_, chineseText_, tooltip_;
    int englishLeft_ = kEnglishLeft, englishTop_ = kEnglishTopWithChinese;
    int englishWidth_ = 0, englishHeight_ = 0;
    int chineseLeft_ = kChineseLeft, chineseTop_ = 0;
    int chineseWidth_ = 0, chineseHeight_ = 0;
    int windowWidth_ = kMinWindowWidth, windowHeight_ = 0;
    bool wraps_ = false;
};
