#include "TipGenerator.h"

TipGenerator::TipGenerator(Clock clock)
    : m_seedTime(clock()) {}
