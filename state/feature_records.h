// Fixed-size summaries of one cycle state for offline learning: the nearest
// record (ball, possession, the eight players nearest the ball, countdowns) and
// the region record (player counts in nine cells around the ball, ball,
// possession, countdowns, time), written as comma-separated rows or as
// blank-separated text records, and read back into a state.
#pragma once

#include <cstdio>

class CycleState;

// Fills regionCounts: cell (i, j) covers x in (bx - 15 + 10i, bx - 15 + 10(i + 1)]
// and y in (by - 15 + 10j, by - 15 + 10(j + 1)] around ballPos (bx, by). Every
// slot 0 to 21 counts, whether the view listed it or not: a player of side 1
// adds to the cell's left count, any other to its right count.
void countAroundBall(CycleState& state);

// Writes one row "x,y,POSSESSION,{SIDE,direction,distance,}x8LABEL\n" for a
// state held by the selected side (possessionSide -1 when forRight, 1 otherwise)
// and nothing for any other state. POSSESSION is "right"/"left"; an entry's SIDE
// word is omitted when its side is neither 1 nor -1. LABEL is "yes" when
// forRight, cyclesToPass is 0 and passSide is -1, or when not forRight and
// passSide is 1 (cyclesToPass is not tested then); "no" otherwise.
void writeNearestCsv(const CycleState& state, bool forRight, FILE* file);
// As writeNearestCsv, with the nine cells' "left,right," counts in place of the
// nearest entries.
void writeRegionCsv(const CycleState& state, bool forRight, FILE* file);

// Writes the nearest record as one line: "%g %g " ballPos, "%d " possessionSide,
// "%d %g %g " side, ballDirection, ballDistance of each nearest entry, then
// "%d %d %d\n" cyclesToPass, cyclesToShot, cyclesToLoss.
void writeNearestRecord(const CycleState& state, FILE* file);
// Writes the region record as one line: "%d %d " per cell, "%g %g " ballPos,
// "%d " possessionSide, "%d %d %d %d\n" cyclesToPass, cyclesToShot,
// cyclesToLoss, time. Unless always is true, writes nothing when all 18 counts
// are 0.
void writeRegionRecord(const CycleState& state, FILE* file, bool always);

// Reads the next non-blank line of file as a nearest record into state
// (ballPos, not ball). Integer fields take the number rounded to the nearest
// integer (halves to even, clamped to the field's range); ballDirection and
// ballDistance take it as read. Reading stops at the end of the line or at the
// first text that is not a number: the fields not read keep their values, and
// so does an integer field whose number is not finite. Returns how many of the
// 30 numbers were read (0 at the end of the file).
int readNearestRecord(CycleState& state, FILE* file);
// As readNearestRecord for a region record (25 numbers; ballPos is the only
// field taken as read).
int readRegionRecord(CycleState& state, FILE* file);
