/* The system's Sleep, for the copy of kvnshow.exe that the Wine suite runs:
 * returns at once and appends "<milliseconds> <offset>\n" to the file named by
 * KVN_FAKE_SLEEP_LOG, where offset is how many bytes standard output had
 * received when the pause began (-1 when it is no file), as the Linux suite's
 * fake nanosleep does.
 *
 * The program reaches Sleep through its import address slot, __imp_Sleep on
 * 64-bit Windows and __imp__Sleep@4 (the decorated __stdcall name) on 32-bit.
 * Defining that slot here makes the linker take it instead of the one in
 * kernel32's import library, so pause.cpp is linked unchanged. */
#if defined(_WIN32)

#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <windows.h>

static void WINAPI recordedSleep(DWORD milliseconds) {
  const char* path = getenv("KVN_FAKE_SLEEP_LOG");
  if (path == NULL || path[0] == '\0') {
    return;
  }
  char line[64];
  int length = snprintf(line, sizeof line, "%lu %lld\n", (unsigned long)milliseconds,
                        (long long)_lseeki64(1, 0, SEEK_CUR));
  int file = _open(path, _O_WRONLY | _O_APPEND | _O_CREAT | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (file < 0 || length <= 0) {
    return;
  }
  (void)_write(file, line, (unsigned)length);
  (void)_close(file);
}

#if defined(_WIN64)
#define KVN_SLEEP_IMPORT_SLOT "__imp_Sleep"
#else
#define KVN_SLEEP_IMPORT_SLOT "__imp__Sleep@4"
#endif
void(WINAPI* sleepImportSlot)(DWORD) __asm__(KVN_SLEEP_IMPORT_SLOT) = recordedSleep;

#else
/* Only the Windows build has an import address slot to fill. */
typedef int kvnFakeSleepWindowsOnly;
#endif
