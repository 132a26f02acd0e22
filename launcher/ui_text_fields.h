// The program's own texts, each named once: every row of the text table (ui_text_table.cpp)
// gives each of them, by this name, for one language. "%1" and "%2" stand for what the text is
// about: the product, a path, an error number, a size.
//
// Included with DISCGATE_UI_TEXT(name) defined, once for the row's fields and once for the list
// of them.
DISCGATE_UI_TEXT(caption)  // names the product as %1
DISCGATE_UI_TEXT(label)
DISCGATE_UI_TEXT(decline)
DISCGATE_UI_TEXT(accept)
DISCGATE_UI_TEXT(errorNumber)  // put before the system's description of an error
DISCGATE_UI_TEXT(couldNotReadLicence)
DISCGATE_UI_TEXT(licenceTooLarge)
DISCGATE_UI_TEXT(licenceNotRtf)
DISCGATE_UI_TEXT(couldNotFindProgramFolder)
DISCGATE_UI_TEXT(couldNotReadFolder)
DISCGATE_UI_TEXT(couldNotStart)
DISCGATE_UI_TEXT(couldNotOpen)
DISCGATE_UI_TEXT(couldNotCreateWindow)
DISCGATE_UI_TEXT(notEnoughMemory)
DISCGATE_UI_TEXT(noReason)
DISCGATE_UI_TEXT(unknownError)
DISCGATE_UI_TEXT(cannotRecover)
DISCGATE_UI_TEXT(printMenu)  // the window menu's items; "\t" before the shortcut
DISCGATE_UI_TEXT(saveMenu)
DISCGATE_UI_TEXT(couldNotPrint)
DISCGATE_UI_TEXT(couldNotSave)
DISCGATE_UI_TEXT(licenceChanged)
DISCGATE_UI_TEXT(noticeCaption)  // a notice's window, which asks for no consent
DISCGATE_UI_TEXT(noticeLabel)
DISCGATE_UI_TEXT(continueButton)
// A file of a sealed disc that is not as it was released, named as %1; the window's line while
// accepting waits for the check.
DISCGATE_UI_TEXT(fileMissing)
DISCGATE_UI_TEXT(fileChanged)
DISCGATE_UI_TEXT(fileUnreadable)
DISCGATE_UI_TEXT(sealNotValid)
DISCGATE_UI_TEXT(checkingDisc)
DISCGATE_UI_TEXT(discChanged)  // the program's own disc is no longer in the drive at Accept
// While the licence prints: the page going to the printer, as %1 of %2, and the button that stops.
DISCGATE_UI_TEXT(printingPage)
DISCGATE_UI_TEXT(cancelButton)
