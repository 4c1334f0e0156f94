#pragma once

#include <QFont>

// The dialog font: the Song face "宋体" at 9 points where installed, otherwise
// the first Song-style CJK family present, then any family that can write
// Simplified Chinese, so that no label renders as empty boxes.
QFont DialogFont();
