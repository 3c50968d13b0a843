#pragma once

#include <QString>
#include <QStringList>

// Where the companion finds a lesson's audio inside the book's folder
// "\Sound\<book>\". Most books keep one file per lesson; two keep a few large
// files, each shared by a range of lessons; the video books keep a .wmv per
// lesson, of which only the sound is used.
namespace AudioLayout {

// File name inside the book's audio folder for lesson `lessonNumber` (1-based):
// "12.mp3", "3.wmv", or the shared "3.mp3". Empty when the number lies outside
// a shared-file book's ranges: the previous lesson's file is then kept.
QString fileName(const QString& book, int lessonNumber);

// Only the books with one .mp3 per lesson warn when a lesson's audio is absent.
bool noticeWhenMissing(const QString& book);

// Volume of the lesson audio for a book (the video edition is louder on disc).
int volumeFor(const QString& book);

QStringList videoBooks();

} // namespace AudioLayout
