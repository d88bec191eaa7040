#pragma once

#include "answers/MicrLine.h"
#include "answers/PlacementLayout.h"
#include "answers/Readings.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QPageSize>

// Options that several commands take, so that each is named, explained and
// read one way; and the small grammars of their values. Readers throw a
// Refusal.

QCommandLineOption BoldOption(const QString &help);
// "Prints one JSON object" or "one array": `what` says which.
QCommandLineOption JsonOption(const QString &what);
QCommandLineOption PaperOption();
QCommandLineOption ChequeWidthOption();
// --cheque, --cheque-height and --line: where the placement page's MICR
// line is, and in which face.
QList<QCommandLineOption> PlacementOptions();

// --paper's value, Letter when it is not given.
QPageSize::PageSizeId ReadPaper(const QCommandLineParser &parser);
// The placement page's layout from --cheque, --cheque-height, --line and
// --bold, on `paper`.
PlacementLayout ReadPlacementLayout(const QCommandLineParser &parser, QPageSize::PageSizeId paper);
// --applied's RIGHT,UP: inches, signed as the moves are.
Correction ReadCorrection(const QString &text);
// --cheque-width's value, 8.5 in when it is not given.
double ReadChequeWidth(const QCommandLineParser &parser);
// One of `names`, as its index; `option` names the option in the refusal.
int ReadChoice(const QString &option, const QString &text, const QStringList &names);
// layout=us,routing=...,onus=...[,aux=...][,epc=...] or
// layout=ca,branch=...,institution=...,onus=...[,aux=...]; `label` is what
// the refusal calls it ("line", "--micr-line").
MicrFields ReadMicrFields(const QString &text, const QString &label);
