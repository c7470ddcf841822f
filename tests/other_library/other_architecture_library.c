/* A client library of another architecture than the program's: built as a
 * 32-bit shared object for the 64-bit Linux program, which must say it cannot
 * load it. It includes nothing, so that it builds without the 32-bit C
 * library's headers. */
int KvnGetAPIVersion(void);

int KvnGetAPIVersion(void) {
  return 0;
}
