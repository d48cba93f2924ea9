#pragma once
// How a reported error of the chain is shown: the window's message box, and
// the line calc and batch print.

#include <string>

#include "model/chain_error.h"

namespace vantrel {

// The message box texts of a reported error; the prompt carries the cause,
// if any, on a line of its own after the error's description.
std::string ErrorPrompt(const ChainError& error);
std::string ErrorTitle(const ChainError& error);

// "Error 13 (Type mismatch) in CalculateCutout of Tab1".
std::string ErrorLine(const ChainError& error);

}  // namespace vantrel
