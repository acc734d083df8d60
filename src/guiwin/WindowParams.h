#pragma once

#include <QString>

// The three parameters of a WINDOW block: size record, object records, event record.
struct WindowParams {
    QString zParam1;
    QString zParam2;
    QString zParam3;

    bool operator==(const WindowParams &) const = default;
};
