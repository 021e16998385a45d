/*
 * dvdauthoring.h - C interface of the DVD authoring library (libdvdauthor.so).
 */
#ifndef DVDAUTHORING_H
#define DVDAUTHORING_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define DVDAUTHORING_API __attribute__((visibility("default")))
#else
#define DVDAUTHORING_API
#endif

/* Builds the DVD folder that the dvdauthor description at authorXmlPath names.
 * Returns 0 when the folder was built, -1 otherwise. */
DVDAUTHORING_API int32_t author_main(const char *authorXmlPath);

/* Megabytes of the VOB files under dvdFolder/VIDEO_TS, or -1 when there are none. */
DVDAUTHORING_API int32_t getVOBsMB(const char *dvdFolder);

/* Optional names: a host must work with a library that lacks them. Both may be
 * called from any thread while author_main runs on another; one author_main runs
 * at a time. */

/* Percent (0..99) of the running author_main's work, from dvdauthor's own output;
 * -1 while none runs. */
DVDAUTHORING_API int32_t author_progress(void);

/* Ends the dvdauthor program of the running author_main, with every process it
 * started; author_main then returns -1 and the caller removes what was made.
 * 0 when one was running, -1 otherwise. */
DVDAUTHORING_API int32_t author_stop(void);

#ifdef __cplusplus
}
#endif

#endif /* DVDAUTHORING_H */
