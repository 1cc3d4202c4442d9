#!/usr/bin/env bash
# Fails, listing the lines, when a Win32 call that gives a resource back
# (closes a handle, frees a block, releases a DC, uninitialises COM...)
# appears anywhere but in base/win32_owners_win.h. Every such resource has its
# owner there, so that no error path can leak one and each quirk of giving it
# back is handled once.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

owners=base/win32_owners_win.h
calls='CloseHandle|FindClose|FindCloseChangeNotification|RegCloseKey|CloseServiceHandle|FreeLibrary'
calls+='|DeleteObject|DeleteDC|ReleaseDC|EndPaint|ImageList_Destroy|DestroyIcon|DestroyCursor|DestroyMenu'
calls+='|DestroyAcceleratorTable|UnhookWindowsHookEx|CloseClipboard|GlobalUnlock|GlobalFree|LocalFree|HeapFree'
calls+='|VirtualFree|UnmapViewOfFile|CoUninitialize|CoTaskMemFree|SysFreeString|InternetCloseHandle'
calls+='|WinHttpCloseHandle|closesocket|WSACleanup|SQLFreeHandle|SQLDisconnect'
# A call: the name, then its parenthesis; COM objects give themselves back
# with ->Release().
pattern="(^|[^A-Za-z0-9_])($calls)[[:space:]]*\(|->[[:space:]]*Release[[:space:]]*\("

found=$(grep -rnE --include='*.cpp' --include='*.h' --include='*.c' --include='*.cc' \
  --exclude-dir=build --exclude-dir=.git "$pattern" . | grep -v "^\./$owners:" || true)
if [ -n "$found" ]; then
  echo "$found"
  echo "check-owners: the lines above give a Win32 resource back by hand; use (or add) its owner in $owners" >&2
  exit 1
fi
