#pragma once

#include <optional>

// micr-calibration --help and --version, answered on stdout before any
// window system is needed; nothing when neither was asked for.
std::optional<int> AnswerHelpOrVersion(int argc, char **argv);
