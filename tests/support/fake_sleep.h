/* A test-only stand-in for the operating system's sleep.
 *
 * The library defines nanosleep: every call returns at once and is recorded
 * instead of blocking, so a test can see the pauses a program asked for without
 * waiting for them. Unit tests link the library and read the counters below; the
 * end-to-end tests load it into the real program with LD_PRELOAD and read the
 * log file named by KVN_FAKE_SLEEP_LOG, which gets one line per pause with the
 * requested milliseconds and the
 * number of bytes standard output had received when the pause began (-1 when
 * standard output is no file).
 */
#ifndef KVN_TESTS_SUPPORT_FAKE_SLEEP_H
#define KVN_TESTS_SUPPORT_FAKE_SLEEP_H

#define KVN_FAKE_SLEEP_API __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

/* Number of pauses recorded since the start or the last reset. */
KVN_FAKE_SLEEP_API int kvnFakeSleepCalls(void);

/* Sum of the requested lengths of those pauses, in milliseconds. */
KVN_FAKE_SLEEP_API long long kvnFakeSleepTotalMilliseconds(void);

/* Forgets the recorded pauses. The log file is left as it is. */
KVN_FAKE_SLEEP_API void kvnFakeSleepReset(void);

#ifdef __cplusplus
}
#endif

#endif /* KVN_TESTS_SUPPORT_FAKE_SLEEP_H */
