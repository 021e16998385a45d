/*
 * korvid.h - the public C interface of the Korvid conversion engine (libKorvid.so).
 *
 * Every entry point uses the C calling convention. Texts are NUL-terminated
 * UTF-8 byte strings; numbers are int32_t unless stated. The host loads the
 * library at run time and binds these names; declare function-pointer types
 * with decltype(&Name) rather than retyping the signatures.
 *
 * Threading: target entry points block on the caller's thread until the clip is
 * done. X_Get_Info and X_StopConvert may be called from any other thread while
 * one runs. Messages are posted to the KorvidWindow from engine threads.
 */
#ifndef KORVID_H
#define KORVID_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define KORVID_API __attribute__((visibility("default")))
#else
#define KORVID_API
#endif

/* Stamp that every target entry point receives as its last argument. */
#define KORVID_INTERFACE_STAMP 19990817

/* Messages posted to a KorvidWindow. */
#define KORVID_MSG_READY 2312        /* 0x908: frame service ready, or a conversion has begun */
#define KORVID_MSG_FRAME 2412        /* 0x96C: seek done; wparam 1 = frame available, 0 = none */
#define KORVID_MSG_CLOSED 2512       /* 0x9D0: frame service has closed */

/*
 * The host's window handle. The host embeds this struct in its own object;
 * post() must be thread-safe and must not block. The engine calls
 * w->post(w, ...) and nothing else. A null handle means "post nothing".
 */
typedef struct KorvidWindow {
    void (*post)(struct KorvidWindow *self, uint32_t message, uintptr_t wparam, intptr_t lparam);
} KorvidWindow;

/*
 * Record filled by X_GetFileinfo_GetPic: 40 bytes, little-endian, 4-byte fields.
 */
typedef struct EngineFileInfo {
    int32_t durationSeconds;   /* 0: whole seconds */
    float frameRate;           /* 4: frames per second; <= 0 when unknown */
    float videoBitRateKbps;    /* 8 */
    int32_t width;             /* 12: coded width of the picture turned upright; < 1 when unknown */
    int32_t height;            /* 16: coded height of the picture turned upright; < 1 when unknown */
    int32_t aspectCode;        /* 20: 1 square pixels, 2 = 4:3, 3 = 16:9, 4 = 2.21:1, else unknown */
    int32_t audioSampleRate;   /* 24 */
    int32_t audioOnly;         /* 28: 1 when the file has sound but no picture, else 0 */
    float audioBitRateKbps;    /* 32 */
    int32_t aspectFlag;        /* 36: 0 = derive display width from height and aspectCode */
} EngineFileInfo;

/* Progress record filled by X_Get_Info. */
typedef struct EngineProgress {
    int32_t secondsDone;       /* seconds of the clip converted so far, from its start */
    int32_t framesPerSecond;   /* frames encoded per second of wall time */
    int32_t producing;         /* non-zero while frames are being produced */
} EngineProgress;

/* ---- General ---------------------------------------------------------- */

KORVID_API int32_t X_Get_CPU_Core_Number(void);

/* Optional: copies why the calling thread's last probe or conversion failed
 * (UTF-8, cut to fit, always NUL-terminated) into buffer; "" after a success.
 * Returns the full length of the reason. Hosts must work without this entry. */
KORVID_API int32_t X_Get_Last_Error(char *buffer, int32_t size);

/* Remembers the work file and source frame-rate text ("-1" = unknown) for the
 * next probe, frame service or conversion. `one` is always 1. */
KORVID_API int32_t X_Global_CMD(const char *workFile, const char *frameRateText, int32_t one);

/* ---- Probe -------------------------------------------------------------- */

/* Probes `path` and fills the EngineFileInfo at `engineFileInfo` (at least 40
 * bytes). Decodes the first picture for the following X_Get_Frame. Returns -1
 * when the file cannot be opened or has neither video nor audio, else 0.
 * Refused with -1: anything but a regular file (pipes, sockets, devices,
 * folders), pictures wider or taller than 8192 or above 2^26 pixels, and a probe
 * that has not finished within 10 seconds. X_Get_Frame afterwards serves this
 * probe's picture to the calling thread, whatever a frame service decodes. */
KORVID_API int32_t X_GetFileinfo_GetPic(char *path, int32_t ten, void *engineFileInfo, int32_t transportStream);

/* Scales the current picture to width x height and points *pixels at an
 * engine-owned buffer of height rows of width*3 bytes (B,G,R), top row first,
 * valid until the calling thread's next engine call (each thread has its own). result[0] receives the frame's second.
 * When bmpName is not null, also writes a 24-bit BMP of that name.
 * Width or height outside 1..8192, or no picture (no successful probe or
 * frame yet), returns -1 and leaves *pixels null; a BMP that cannot be
 * written returns -1 with *pixels set. */
KORVID_API int32_t X_Get_Frame(int32_t width, int32_t height, const char *bmpName, uint8_t **pixels, int32_t *result);

/* Writes the current picture as a JPEG file, scaled to width x height (its
 * own size when either is below 1). -1 when there is no picture or the file
 * cannot be written. */
KORVID_API int32_t X_Get_Frame_JPEG(int32_t width, int32_t height, const char *jpegName);

/* ---- Frame service ------------------------------------------------------ */

/* Returns at once; a worker opens the file and posts KORVID_MSG_READY (also
 * when the file cannot be opened). */
KORVID_API int32_t X_GetFrame_Init(KorvidWindow *w, int32_t two, const char *path, const char *unused, const char *startSecondsText);
/* Requests the frame at `seconds`; posts KORVID_MSG_FRAME when decoded. Newer
 * requests replace pending ones. A seek unfinished after 10 seconds is given up
 * (wparam 0). After Init or a seek, X_Get_Frame serves the frame service's
 * picture to the calling thread. */
KORVID_API int32_t X_Set_NextFrame_Time(int32_t seconds);
/* Stops the worker, interrupting any read or open of the file; posts
 * KORVID_MSG_CLOSED once it has closed. */
KORVID_API int32_t X_GetFrame_UnInit(void);

/* ---- Conversion --------------------------------------------------------- */

KORVID_API int32_t X_SetPar_Global(int32_t threads, int32_t deinterlace, int32_t zero, int32_t forceSync, int32_t transportStream, int32_t streamId);
KORVID_API int32_t X_Get_Info(int32_t *record);
KORVID_API int32_t X_StopConvert(void);

/*
 * Target entry points. The common list L is:
 *   w, two, sourceFile, titleNumber, startText, audioSampleRate, displayAspect,
 *   engineCodec, outputFormat, videoBitRate, audioBitrate, pictureSize,
 *   frameSize, titleName, artistName, comment, videoFrameRate, audioTrack,
 *   subtitleTrack, targetFile, volume, lengthText
 * Each returns 0 after success or a user stop that kept a shorter file,
 * KORVID_RESULT_STOPPED_EMPTY after a stop before anything was written (no
 * file is left), -1 on failure (X_Get_Last_Error says why).
 *
 * Output: the file is written under a hidden temporary name in the target's
 * folder (".name.part-XXXXXX") and renamed to targetFile only when complete.
 * An existing targetFile is never replaced or removed: the conversion fails.
 * Temporary files that a killed process left there are removed by later
 * conversions into that folder. Sources are refused as for the probe; opening a
 * source gives up after 10 seconds, and X_StopConvert interrupts it.
 */
#define KORVID_RESULT_STOPPED_EMPTY 3
#define KORVID_COMMON_ARGS \
    KorvidWindow *w, int32_t two, const char *sourceFile, const char *titleNumber, \
    const char *startText, const char *audioSampleRate, const char *displayAspect, \
    const char *engineCodec, const char *outputFormat, const char *videoBitRate, \
    const char *audioBitrate, const char *pictureSize, const char *frameSize, \
    const char *titleName, const char *artistName, const char *comment, \
    const char *videoFrameRate, const char *audioTrack, const char *subtitleTrack, \
    const char *targetFile, const char *volume, const char *lengthText

/* L + stamp (23 arguments) */
KORVID_API int32_t X_SetPar_D2IPOD_VIDEO(KORVID_COMMON_ARGS, int32_t stamp);
KORVID_API int32_t X_SetPar_D2IPHONE_VIDEO(KORVID_COMMON_ARGS, int32_t stamp);
KORVID_API int32_t X_SetPar_D2APPLETV_VIDEO(KORVID_COMMON_ARGS, int32_t stamp);
KORVID_API int32_t X_SetPar_D2ZUNE_VIDEO(KORVID_COMMON_ARGS, int32_t stamp);
KORVID_API int32_t X_SetPar_D2PDA_VIDEO(KORVID_COMMON_ARGS, int32_t stamp);
KORVID_API int32_t X_SetPar_D23GP(KORVID_COMMON_ARGS, int32_t stamp);

/* L + highQuality + stamp (24 arguments) */
KORVID_API int32_t X_SetPar_D2IMP4(KORVID_COMMON_ARGS, int32_t highQuality, int32_t stamp);
KORVID_API int32_t X_SetPar_D2QTMOV(KORVID_COMMON_ARGS, int32_t highQuality, int32_t stamp);
KORVID_API int32_t X_SetPar_D2FLV(KORVID_COMMON_ARGS, int32_t highQuality, int32_t stamp);

/* L + audioCodec + stamp (24 arguments) */
KORVID_API int32_t X_TO_HD_APPLETV(KORVID_COMMON_ARGS, const char *audioCodec, int32_t stamp);

/* L + highQuality + audioCodec + stamp (25 arguments) */
KORVID_API int32_t X_SetPar_D2WMV(KORVID_COMMON_ARGS, int32_t highQuality, const char *audioCodec, int32_t stamp);
KORVID_API int32_t X_TO_HD_AVC(KORVID_COMMON_ARGS, int32_t highQuality, const char *audioCodec, int32_t stamp);
KORVID_API int32_t X_TO_HD_MP4(KORVID_COMMON_ARGS, int32_t highQuality, const char *audioCodec, int32_t stamp);
KORVID_API int32_t X_TO_HD_H264(KORVID_COMMON_ARGS, int32_t highQuality, const char *audioCodec, int32_t stamp);
KORVID_API int32_t X_TO_HD_WMV(KORVID_COMMON_ARGS, int32_t highQuality, const char *audioCodec, int32_t stamp);
KORVID_API int32_t X_TO_HD_MOV(KORVID_COMMON_ARGS, int32_t highQuality, const char *audioCodec, int32_t stamp);
KORVID_API int32_t X_TO_HD_PS3(KORVID_COMMON_ARGS, int32_t highQuality, const char *audioCodec, int32_t stamp);
KORVID_API int32_t X_TO_HD_XBOX(KORVID_COMMON_ARGS, int32_t highQuality, const char *audioCodec, int32_t stamp);
KORVID_API int32_t X_TO_HD_ZUNE(KORVID_COMMON_ARGS, int32_t highQuality, const char *audioCodec, int32_t stamp);
KORVID_API int32_t X_TO_HD_Mobile(KORVID_COMMON_ARGS, int32_t highQuality, const char *audioCodec, int32_t stamp);

/* L + highQuality + tvSystem (1 NTSC, 2 PAL) + audioCodec + stamp (26 arguments) */
KORVID_API int32_t X_SetPar_D2MPEG(KORVID_COMMON_ARGS, int32_t highQuality, int32_t tvSystem, const char *audioCodec, int32_t stamp);
KORVID_API int32_t X_TO_HD_MPEG(KORVID_COMMON_ARGS, int32_t highQuality, int32_t tvSystem, const char *audioCodec, int32_t stamp);
KORVID_API int32_t X_TO_HD_MPEG2TS(KORVID_COMMON_ARGS, int32_t highQuality, int32_t tvSystem, const char *audioCodec, int32_t stamp);

/* L with audioCodec inserted after startText, + highQuality + stamp (25 arguments) */
#define KORVID_AVI_ARGS \
    KorvidWindow *w, int32_t two, const char *sourceFile, const char *titleNumber, \
    const char *startText, const char *audioCodec, const char *audioSampleRate, \
    const char *displayAspect, const char *engineCodec, const char *outputFormat, \
    const char *videoBitRate, const char *audioBitrate, const char *pictureSize, \
    const char *frameSize, const char *titleName, const char *artistName, \
    const char *comment, const char *videoFrameRate, const char *audioTrack, \
    const char *subtitleTrack, const char *targetFile, const char *volume, const char *lengthText
KORVID_API int32_t X_SetPar_D2AVI(KORVID_AVI_ARGS, int32_t highQuality, int32_t stamp);
KORVID_API int32_t X_TO_HD_AVI(KORVID_AVI_ARGS, int32_t highQuality, int32_t stamp);

/* PSP (20 arguments) */
KORVID_API int32_t X_SetPar_D2PSP(KorvidWindow *w, int32_t two, const char *sourceFile, const char *titleNumber,
                                  const char *startText, const char *audioSampleRate, const char *displayAspect,
                                  const char *engineCodec, const char *videoBitRate, const char *audioBitrate,
                                  const char *pictureSize, const char *frameSize, const char *titleName,
                                  const char *videoFrameRate, const char *audioTrack, const char *subtitleTrack,
                                  const char *targetFile, const char *volume, const char *lengthText, int32_t stamp);

/* Audio only (16 arguments); the container comes from targetFile's extension. */
KORVID_API int32_t X_SetPar_D2IPOD_MP3(KorvidWindow *w, int32_t two, const char *sourceFile, const char *titleNumber,
                                       const char *startText, const char *audioSampleRate, const char *audioBitrate,
                                       const char *titleName, const char *artistName, const char *comment,
                                       const char *audioTrack, const char *targetFile, const char *volume,
                                       const char *lengthText, const char *audioCodec, int32_t stamp);

#ifdef __cplusplus
}
#endif

#endif /* KORVID_H */
