// How a failure is told to the user: the file named as the user knows it, the
// reason in the edition's words. One table per edition.
//
//   catch (const std::exception& e) {
//     app.MsgBox(std::string(texts.CannotSave) + "\n" + ErrorText(e, edition, workingFolder), vbExclamation);
//   }
#pragma once

#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

#include "text/edition.h"

namespace vorn {

struct ErrorTexts {
  // The reason, by what went wrong with the file.
  std::string_view NotFound;
  std::string_view Denied;
  std::string_view IsFolder;
  std::string_view DiskFull;
  std::string_view TooLarge;
  std::string_view ReadFailed;
  std::string_view WriteFailed;
  std::string_view PastEnd;
  std::string_view NotANumberBefore, NotANumberAfter;  // around the text found
  std::string_view NotFiniteBefore, NotFiniteAfter;    // around the number found
  std::string_view Malformed;   // empty: the reader's own description is in this language
  std::string_view NotStarted;  // a program
  std::string_view PrintFailed;
  std::string_view BadName;
  std::string_view NotRegular;      // a pipe or device at the file's name
  std::string_view WriteProtected;
  std::string_view OtherOwner;
  std::string_view OutOfMemory;
  // "<file><LineBefore>N<LineAfter><Separator><reason>"
  std::string_view LineBefore, LineAfter;
  std::string_view Separator;
  // The first line of the message for a failure that no routine of the
  // program expected; the program goes on.
  std::string_view StepNotFinished;
  std::string_view UnknownError;  // a failure that carries no description
};

const ErrorTexts& ErrorTextsFor(Edition edition);

// The file as the user knows it: its path inside the working folder when it
// lies there ("Primary.dat", "PDS-data/50.dat"), else its name alone.
std::string FileNameForUser(const std::filesystem::path& file, const std::filesystem::path& workingFolder);

// The failure in the edition's words, naming its file as the user knows it:
// "Primary.dat: file not found", "Att_coeff2020.dat（42 行目）：...". An error
// that is not about a file gives its own message.
std::string ErrorText(const std::exception& error, Edition edition, const std::filesystem::path& workingFolder);

// A second line for a message whose first line says what failed: the file
// and the reason as ErrorText tells them when the failure is about a file,
// empty otherwise (whose own description is not in the edition's words).
std::string FileCauseLine(const std::exception& error, Edition edition, const std::filesystem::path& workingFolder);

// The message for a failure that no routine of the program expected:
// StepNotFinished, then the failure as ErrorText tells it.
std::string UntrappedErrorText(std::exception_ptr error, Edition edition, const std::filesystem::path& workingFolder);

}  // namespace vorn
