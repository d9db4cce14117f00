#pragma once

// The product's own names and addresses, kept in one place.

// Marks the publisher's line for the translation tools; the engine links no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace publisher {

inline constexpr const char* kProductTitle = "KINETRA";
inline constexpr const char* kProductVersion = "2.0";
inline constexpr const char* kWebAddress = "www.kinetra.example";
inline constexpr const char* kWebUrl = "https://www.kinetra.example/";
inline constexpr const char* kEmailAddress = "kontakt@kinetra.example";
inline constexpr const char* kMailSubjectWord = "KINETRA";
inline constexpr const char* kNoticeLine =
    QT_TRANSLATE_NOOP("kinetra", "Pracownia Programów Edukacyjnych KINETRA");
inline constexpr const char* kAuthors[] = {"Anna Nowak", "Jan Kowalski", "Piotr Wiśniewski",
                                           "Maria Wójcik", "Tomasz Kamiński"};

}  // namespace publisher
