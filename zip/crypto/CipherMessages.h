#pragma once
// Message texts of the cipher library. The 40 further texts the library
// once declared are raised by nothing and are not carried.
namespace zip {

inline constexpr const char* _sProtectionCircular = "Circular Protection detected, Protection Object is invalid.";
inline constexpr const char* _sStringFormatExists = "String Format \"%d\" not exists.";
inline constexpr const char* _sInvalidStringFormat = "Input is not an valid %s Format.";
inline constexpr const char* _sInvalidFormatString = "Input can not be convert to %s Format.";
inline constexpr const char* _sFMT_COPY = "copy Input to Output";
inline constexpr const char* _sFMT_HEX = "Hexadecimal";
inline constexpr const char* _sFMT_HEXL = "Hexadecimal lowercase";
inline constexpr const char* _sFMT_MIME64 = "MIME Base 64";
inline constexpr const char* _sFMT_UU = "UU Coding";
inline constexpr const char* _sFMT_XX = "XX Coding";
inline constexpr const char* _sInvalidKeySize =
    "Length from Encryptionkey is invalid.\r\nKeysize for %s must be to %d-%d bytes";
inline constexpr const char* _sNotInitialized = "%s is not initialized call Init() or InitKey() before.";

}  // namespace zip
