// The texts of loops, IF blocks, labels and failure modes: log lines, status
// bar texts, step error texts and message boxes.
#pragma once

namespace zelo::flow_texts {

// Labels and jumps.
inline constexpr const char* kNoLabelName = "No label name provided";
inline constexpr const char* kLabelNotFound = "Label \"%s\" not found";
inline constexpr const char* kJumpingToLabelAt = "\tJumping to label \"%s\" at [Step %d]\r\n";

// Run control.
inline constexpr const char* kEternalRepeats = "\tAn eternity of Run Repeats still remaining....\r\n";
inline constexpr const char* kRepeatsRemaining = "\t%d Run Repeat(s) remaining\r\n";

// Loops.
inline constexpr const char* kLoopsCompleted = "\t(%d) loop%s completed for [Step %d]\r\n";
inline constexpr const char* kLoopsStatus = "Loops: %d";
// A loop start nested inside 16 others: its entry would push the outermost
// loop's entry off the stack, and that loop would start over for ever.
inline constexpr const char* kLoopsTooDeep = "Loops can be nested at most %d deep";
inline constexpr const char* kEndOfLoop =
    "\tEnd of loop from [Step %d] (%d total loop%s done)\r\n\tContinuing with [Step %d]...\r\n";

// IF blocks.
inline constexpr const char* kJumpingToElse = "\tJumping to matching ELSE/END IF statement: [Step %d]\r\n";
inline constexpr const char* kNoMatchingElse =
    "\tWARNING: Matching ELSE/END IF statement not found!  Jumping to Step %d\r\n";
inline constexpr const char* kSearchingPixel = "\tSearching for pixel color %s\r\n";
inline constexpr const char* kSearchingImage = "\tSearching for image \"%s\"\r\n";
inline constexpr const char* kFileDoesNotExist = "The file '%s' does not exist";
inline constexpr const char* kInsufficientMemory = "Insufficient memory available";
// A condition that needs a facility this build does not have yet.
inline constexpr const char* kConditionNotAvailable = "The \"%s\" condition is not available in this version";

// Failure modes.
inline constexpr const char* kFailureModeLine = "\tFailure Mode: %s\r\n";
inline constexpr const char* kFailureImageName = " [Step %d] FAILURE %04d-%02d-%02d_%02d%02d%02d.bmp";
inline constexpr const char* kRetrying = "\tRetrying step (retry %d of %s)\r\n";
inline constexpr const char* kContinueQuestion = "\n\nContinue?";
inline constexpr const char* kUserChoseStop = "\tUser chose to STOP\r\n";
inline constexpr const char* kUserChoseContinue = "\tUser chose to CONTINUE\r\n";
inline constexpr const char* kJumpingToLabel = "\tJumping to label \"%s\" [Step %d]\r\n";
inline constexpr const char* kLabelNotFoundLine = "\tLabel \"%s\" not found\r\n";
inline constexpr const char* kLabelNotFoundBox = "Label \"%s\" not found\r\n";
inline constexpr const char* kIncrementingVariable = "\tIncrementing variable '%s' = %d\r\n";
inline constexpr const char* kRestartingRun = "\tRestarting Run at at [Step 1]\r\n";

// Auto-Indent and Validate.
inline constexpr const char* kIfWithoutEndIf = "There %s %d 'IF' without a matching 'END IF'";
inline constexpr const char* kEndIfWithoutIf = "There %s %d 'END IF' without a matching 'IF'";
inline constexpr const char* kLoopWithoutNext = "There %s %d 'START LOOP' without a matching 'NEXT LOOP'";
inline constexpr const char* kNextWithoutLoop = "There %s %d 'NEXT LOOP' without a matching 'START LOOP'";
inline constexpr const char* kValidationComplete = "Validation of %d step(s) complete - 0 errors found";

}  // namespace zelo::flow_texts
