#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

class ColourPalette;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// What the settings dialog reads from and does to the companion.
class CompanionControl {
public:
    virtual ~CompanionControl() = default;
    virtual QString book() const = 0;
    virtual QStringList lessonTitles() const = 0;
    virtual int startLesson() const = 0; // HN
    virtual QString endLesson() const = 0;
    virtual QString repeatValue() const = 0;
    virtual QString pauseValue() const = 0;
    virtual quint32 backgroundColour() const = 0;
    virtual quint32 textColour() const = 0;

    // Acting at once while the dialog is open.
    virtual void fwa(const QString& book) = 0; // choose a book, reload its lesson list
    virtual void setnum(const QString& value) = 0;
    virtual void settime(const QString& value) = 0;

    // "确定", called in this order.
    virtual void setBook(const QString& book) = 0;
    virtual void loadLessonAt(int index) = 0;
    virtual void startReload() = 0;
    virtual void setEndLesson(const QString& title) = 0;
    virtual void setStartLesson(int index) = 0;
    virtual void setColours(quint32 background, quint32 text) = 0;
};

// Form2 "设置": book, play range, repeat and pause, and the two colours.
class Form2 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 5250;
    static constexpr int kHeight = 5160;

    // `control` must outlive the dialog.
    explicit Form2(CompanionControl& control, QWidget* parent = nullptr);

    QComboBox* bookList() const { return books_; }
    QComboBox* startList() const { return starts_; }
    QComboBox* endList() const { return ends_; }
    QComboBox* repeatList() const { return repeats_; }
    QComboBox* pauseList() const { return pauses_; }
    QLabel* backgroundSwatch() const { return backSwatch_; }
    QLabel* textSwatch() const { return textSwatch_; }
    ColourPalette* colourPalette() const { return palette_; }
    int PaletteTarget() const { return paletteTarget_; }
    quint32 backgroundChoice() const { return background_; }
    quint32 textChoice() const { return text_; }

public slots:
    void BookList_Click(int index);
    void StartList_Click(int index);
    void EndList_Click(int index);
    void RepeatList_Click(int index);
    void PauseList_Click(int index);
    void Swatch_Click(int target); // 1 background, 2 text colour
    void OK_Click();
    void Cancel_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fillLessons(const QStringList& titles);
    void paintSwatch(QLabel* swatch, quint32 colour);
    void colourChosen(quint32 colour);

    CompanionControl& control_;
    QComboBox* books_;
    QComboBox* starts_;
    QComboBox* ends_;
    QComboBox* repeats_;
    QComboBox* pauses_;
    QGroupBox* courseGroup_;
    QGroupBox* playGroup_;
    QGroupBox* lookGroup_;
    QLabel* backSwatch_;
    QLabel* textSwatch_;
    ColourPalette* palette_;
    QLabel* close_;
    QPushButton* ok_;
    QPushButton* cancel_;
    int paletteTarget_ = 1;
    quint32 background_ = 0;
    quint32 text_ = 0;
    QPoint drag_;
};
