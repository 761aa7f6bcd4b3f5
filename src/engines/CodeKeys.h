#pragma once

#include <QString>

// The texts that explain the letters of sentence and name patterns.
QString sentenceCodeKey();
QString nameCodeKey();
