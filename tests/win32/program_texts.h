#pragma once

// The texts the program shows, written out here on their own so that a wrong word in the
// program is caught rather than copied.

constexpr const char* startText =
    "No File currently open; Select File to open file.\nSelect help to know how to use the software";
constexpr const char* busyText = "Please wait while the current action is being performed";
constexpr const char* noFileText = "Please choose a file first";
constexpr const char* splittingText = "Please wait, your file is being split...";
constexpr const char* mergingText = "Please wait, your file is being merged...";
constexpr const char* successText = "The operation was successful.";
constexpr const char* notMergeableText =
    "The file selected is not valid for merging; please choose files with extensions 'qv' and 'qvo' only";
constexpr const char* closeQuestionText =
    "The current file is not finished processing. Are you sure you want to exit";
constexpr const char* inputNotOpenedText = "Input File cannot be opened";
constexpr const char* tooManyCharactersText = "You can at most write 10 characters";
constexpr const char* emptyValueText = "Please Write Something in the textbox provided";
constexpr const char* notDigitsText = "Please write positive integers only";
constexpr const char* zeroValueText = "Not an acceptable value";
constexpr const char* over300MbText = "Maximum file size limit is 300 MB in this version; can't continue";
constexpr const char* tooSmallText = "Size of the selected file is too small ; can't continue.";
constexpr const char* tooManyPartsText = "Selected value for Number of Parts is too large; can't continue.";
constexpr const char* partTooLargeText = "The Partsize was greater than the file size; can't continue.";
constexpr const char* aboutCaption = "About This Program";
constexpr const char* helpFileName = "How To Use Quorvanteline.txt";
