#pragma once

// The grid the command bar snaps its buttons to after the window was scaled.

// The step along the bar for buttons `length` pixels long in that direction:
// s = max(1, min(8, length / 3)), raised until it divides the length; if that
// reached the length itself (length > 1), lowered again to the next divisor below.
int snapStep(int length);

// offset + n * step, n = (position - offset) / step rounded to nearest, halves to even.
int snapAlong(int position, int offset, int step);

// offset + m * step, m = (position - offset) / step with the fraction cut off.
int snapAcross(int position, int offset, int step);

// value * numerator / denominator rounded to the nearest integer, halves away from zero.
int scaleRounded(int value, int numerator, int denominator);
