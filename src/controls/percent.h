// The gauge family's percentage arithmetic, which stops with the toolkit's range and overflow
// errors rather than wrapping.
#pragma once

// `percent` % of `whole`, truncated, in 80-bit arithmetic with 0.01 just below its true value,
// so 10 % of 100 is 9. Throws ERangeError beyond 32 bits.
int PercentOf(int percent, int whole);
// `value` as a truncated percentage of `whole`; 0 when `whole` is 0. Throws EIntOverflow
// when the percentage leaves 32 bits.
int PercentOfValue(int value, int whole);
// `value` as an int; throws EIntOverflow beyond 32 bits (the ring and percentage arithmetic
// stops with the toolkit's overflow error rather than wrapping).
int CheckedInt(long double value);
