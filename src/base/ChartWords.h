#pragma once

#include <QString>

// The words a chart stores in Turkish whatever the interface's language: the condition lines'
// "EVET"/"HAYIR" and the captions the blocks derive ("başla", "dur", "giriş", "çıkış", "pencere").
// The surface shows them in the interface's language; a line caption typed in that language is
// stored as the Turkish word, so charts stay the same in every interface.
class ChartWords {
public:
    // How a stored caption reads in the interface: the translated word for one of the fixed
    // words, the caption itself for anything else.
    static QString shown(const QString &stored);
    // What a line caption typed in the interface stores: "EVET" or "HAYIR" for the interface's
    // words for them, in any letter case; the typed text for anything else.
    static QString stored(const QString &typed);
};
