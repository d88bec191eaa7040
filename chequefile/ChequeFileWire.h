#pragma once

#include "answers/ChequeCheck.h"

#include <QByteArray>

#include <optional>

// What reading a cheque file gave: its page, or why there is none.
struct ChequeFileReading
{
    std::optional<ChequeFilePage> page;
    ChequeFileProblem problem; // when there is no page
};

// The reading as the reader program hands it to the programs that started
// it, one JSON object on its standard output: {"page": {...}} or
// {"problem": {...}}. Each field is written and read by name, so a field
// added on both sides leaves older ones alone; numbers keep every bit.
QByteArray ChequeFileReadingToWire(const ChequeFileReading &reading);
// The reader's exit status when memory ran out under its limit (0 with an
// answer; anything else, or a signal, is a crash).
constexpr int ReaderOutOfMemoryExit = 3;

// None when `wire` is not such an object (a reader cut off while writing).
std::optional<ChequeFileReading> ChequeFileReadingFromWire(const QByteArray &wire);
