#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

// The study window may already hold a named control in a frame (its design
// places them); a dictation part then works with that control. Otherwise the
// part makes the control itself. `made` tells which happened.
template <typename T, typename Make>
T* adoptOrMake(QWidget* parent, const QString& name, Make make, bool* made = nullptr) {
    if (T* existing = parent->findChild<T*>(name)) {
        if (made) *made = false;
        return existing;
    }
    T* created = make(parent);
    created->setObjectName(name);
    if (made) *made = true;
    return created;
}
