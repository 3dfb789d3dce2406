#pragma once
// The host executable's exports that the plug-in binds, in the order of the
// fields of TBeckyAPI. X(field, type, need):
//   field: the export's name without "BKA_"
//   type:  the field's type (HostEntry for the functions the plug-in never calls)
//   need:  Required, or Optional for the one export that older hosts lack.
// Binding looks the Required names up in this order and the Optional one last.
// This list is also read by the build to generate the test hosts' .def files:
// keep one entry a line.
#define TOLLIMER_HOST_EXPORTS(X)                          \
  X(GetVersion, GetVersionFn, Required)                   \
  X(Command, HostEntry, Required)                         \
  X(GetWindowHandles, GetWindowHandlesFn, Required)       \
  X(RegisterCommand, HostEntry, Required)                 \
  X(RegisterUICallback, HostEntry, Required)              \
  X(GetDataFolder, HostEntry, Required)                   \
  X(GetTempFolder, HostEntry, Required)                   \
  X(GetTempFileName, HostEntry, Required)                 \
  X(GetCurrentMailBox, HostEntry, Required)               \
  X(SetCurrentMailBox, HostEntry, Required)               \
  X(GetCurrentFolder, HostEntry, Required)                \
  X(SetCurrentFolder, HostEntry, Required)                \
  X(GetFolderDisplayName, HostEntry, Required)            \
  X(SetMessageText, HostEntry, Required)                  \
  X(GetCurrentMail, HostEntry, Required)                  \
  X(SetCurrentMail, HostEntry, Required)                  \
  X(GetNextMail, HostEntry, Required)                     \
  X(SetSel, HostEntry, Required)                          \
  X(AppendMessage, HostEntry, Required)                   \
  X(MoveSelectedMessages, HostEntry, Required)            \
  X(GetStatus, HostEntry, Required)                       \
  X(SetStatus, HostEntry, Optional)                       \
  X(ComposeMail, HostEntry, Required)                     \
  X(GetCharSet, HostEntry, Required)                      \
  X(GetSource, HostEntry, Required)                       \
  X(SetSource, HostEntry, Required)                       \
  X(GetHeader, HostEntry, Required)                       \
  X(GetText, HostEntry, Required)                         \
  X(SetText, HostEntry, Required)                         \
  X(GetSpecifiedHeader, HostEntry, Required)              \
  X(SetSpecifiedHeader, HostEntry, Required)              \
  X(CompGetCharSet, HostEntry, Required)                  \
  X(CompGetSource, HostEntry, Required)                   \
  X(CompSetSource, HostEntry, Required)                   \
  X(CompGetHeader, HostEntry, Required)                   \
  X(CompGetSpecifiedHeader, HostEntry, Required)          \
  X(CompSetSpecifiedHeader, HostEntry, Required)          \
  X(CompGetText, HostEntry, Required)                     \
  X(CompSetText, HostEntry, Required)                     \
  X(CompAttachFile, HostEntry, Required)                  \
  X(Alloc, HostEntry, Required)                           \
  X(ReAlloc, HostEntry, Required)                         \
  X(Free, HostEntry, Required)                            \
  X(ISO_2022_JP, HostEntry, Required)                     \
  X(ISO_2022_KR, HostEntry, Required)                     \
  X(HZ_GB2312, HostEntry, Required)                       \
  X(ISO_8859_2, HostEntry, Required)                      \
  X(EUC_JP, HostEntry, Required)                          \
  X(UTF_7, HostEntry, Required)                           \
  X(UTF_8, HostEntry, Required)                           \
  X(B64Convert, HostEntry, Required)                      \
  X(QPConvert, HostEntry, Required)                       \
  X(MIMEHeader, HostEntry, Required)                      \
  X(SerializeRcpts, HostEntry, Required)                  \
  X(Connect, HostEntry, Required)
