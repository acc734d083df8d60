#pragma once

#include "model/TextMeasure.h"

// Every character one cell wide and every line one cell high, in both fonts: the measure of a
// model without a display, and a predictable one for tests.
class FixedPitchMeasure : public TextMeasure {
public:
    explicit FixedPitchMeasure(double charWidth = 7, double lineHeight = 14);

    double width(Font font, const QString &text) const override;
    double height(Font font, const QString &text) const override;

private:
    double m_charWidth;
    double m_lineHeight;
};
