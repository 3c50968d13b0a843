#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The window's small pictures and interface sounds, drawn and synthesised
// from code so that every build gives the same bytes.
struct ArtFile {
    QString name; // file name inside its folder, e.g. "1.jpg", "wrong.wav"
    QByteArray bytes;
};

// \bitmap\0.jpg (check box off), 1.jpg (on), a1.jpg (on, whole-text strip),
// f.jpg and t.jpg (speed mark not selected / selected). Empty when the JPEG
// writer is missing.
QList<ArtFile> drawPictures();

// \SETTING\Sound\MouDown.wav, MouUp.wav, wrong.wav, type.wav.
QList<ArtFile> synthesiseInterfaceSounds();
