#include "LessonExporter.h"

#include "LessonExport.h"
#include "Twips.h"

#include <QPushButton>

LessonExporter::LessonExporter(QWidget* window, QObject* parent) : QObject(parent) {
    if (!window) return;
    command35_ = new QPushButton(QStringLiteral("Command35"), window);
    command35_->setObjectName(QStringLiteral("Command35"));
    command35_->setGeometry(px(21495), px(1350), px(2955), px(735));
    connect(command35_, &QPushButton::clicked, this, &LessonExporter::ExportLessonText);
}

void LessonExporter::setLesson(const QStringList& english, const QStringList& chinese,
                               int listPosition) {
    english_ = english;
    chinese_ = chinese;
    listPosition_ = listPosition;
}

QString LessonExporter::exportPath() const {
    return folder_.isEmpty() ? lessonExportPath(listPosition_)
                             : lessonExportPath(listPosition_, folder_);
}

void LessonExporter::ExportLessonText() {
    // Nothing is reported, as with every export.
    exportLessonText(exportPath(), english_, chinese_);
}
