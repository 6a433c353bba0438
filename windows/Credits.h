#pragma once
// The About window's credits: six lines separated by a single carriage
// return (no line feed), as the credits have always been stored.
#include <QString>

QString CreditsText();

// The same lines joined by line feeds, the line break a label draws.
QString CreditsForDisplay();
