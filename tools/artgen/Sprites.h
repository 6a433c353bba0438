#pragma once
// The sprite drawings, each on a transparent canvas of its picture's size.
// CutOut() turns them into picture and mask.
#include <QColor>
#include <QImage>

namespace artgen {

QImage DrawOrb();                        // 24 x 24, disc centred at (12, 12)
QImage DrawGirl();                       // 45 x 57
QImage DrawSparkle(const QColor& core);  // 25 x 25
QImage DrawSleighHeadingLeft();          // 100 x 50

enum class TFlake { Feathery, Plate, Lacy, Star };
QImage DrawSnowflake(TFlake flake, double turnDegrees);  // 28 x 28

// 32 x 32, turned clockwise about the centre.
QImage DrawRedGift(double turnDegrees);
QImage DrawGreenGift(double turnDegrees);
QImage DrawTeddyBear(double turnDegrees);

}  // namespace artgen
