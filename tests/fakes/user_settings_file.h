#pragma once
// A settings file as a user's hands leave it: comments, placeholders, a structure, an
// unknown section, every list section, a value with blanks around it, a replacement rule
// whose key is a blank and a line without "=". Written the way the INI class writes, so
// a rewrite of one line changes only that line.
namespace kestrix {

inline constexpr char kUserSettingsFile[] =
    "[Configuration]\r\n; kept by hand\r\nTC8B10Method=True\r\nTC8B10FixExt=True\r\n"
    "WindowPosition=2\r\nAlphaBlendValue=200\r\nSuggestedName=1\r\n"
    "CustomDirName=Backup %Y.%N.%D\r\nInvalidCharAction=1\r\nInvalidCharReplace=-\r\n"
    "FlatButtons=True\r\nUseWindowTheme=True\r\nSelectedTheme=2\r\nUserThemeName=forest\r\n"
    "FocusTCAfterCreate=True\r\nMkDirHistoryFile=%COMMANDER_PATH%\\hist.ini\r\n"
    "LastSelectedPage=3\r\n\r\n"
    "[Additional]\r\nReplacements=True\r\nUS-ClearList=True\r\n\r\n"
    "[PrefixSuffix]\r\nDirPrefix= pre_ \r\nDirPrefixActive=True\r\n\r\n"
    "[PrefixList]\r\n0=pre_\r\n1=old_\r\n\r\n[SuffixList]\r\n0=_bak\r\n\r\n"
    "[FileCreation]\r\nEnable=True\r\n\r\n"
    "[ExtensionsEnabled]\r\n0=txt\r\n1=.md\r\n2=ini\r\n\r\n"
    "[ReplaceChars]\r\n; a blank becomes \"_\"\r\n =_\r\n&=and\r\n#\r\n\r\n"
    "[UserTemplates]\r\nCurrent username={user}\r\nDated=%Y-%N-%D\r\n\r\n"
    "[UserStructure0]\r\nName=Project\r\n0=src\r\n1=*include\r\n\r\n"
    "[MyNotes]\r\nremember=this\r\n\r\n[Language]\r\nCurrentLng=ENG\r\n\r\n";

}  // namespace kestrix
