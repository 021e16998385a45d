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

#ifdef __cplusplus
}
#endif

#endif /* DVDAUTHORING_H */
