/* How a plug-in library carries its resources (property list, icons, cursors, string
 * lists) on platforms without native resources.
 *
 * The library holds one resource archive in an ELF section named "quill_rsrc", which a
 * host can read from the file before loading it (as a Windows host reads a DLL's
 * resources). All numbers are little-endian:
 *
 *   archive:  "QRSC" (4 bytes), uint32 entry count, then the entries, then the data
 *   entry:    uint32 type (a four-character code), int32 id, uint32 offset (from the
 *             start of the archive), uint32 size
 *
 * Resource contents by type:
 *   'PIPL'  the plug-in property list: uint32 count, then properties, each
 *           uint32 vendor, uint32 key, uint32 length, then `length` bytes padded with
 *           zeros to a multiple of 4. Keys (vendor 'ADBE'): 'kind' (four-character
 *           code, 'SPEA' for an illustration-host plug-in), 'ivrs' (uint32 interface
 *           version), 'wx86' (zero-terminated Windows x86 entry point name), 'lx64'
 *           (zero-terminated Linux entry point name), 'pinm' (zero-terminated name).
 *   'ICON'  an icon image (SVG document, UTF-8).
 *   'CURS'  a cursor: int16 hot-spot x, int16 hot-spot y, then an SVG document.
 *   'STR#'  a string list: uint16 count, then `count` zero-terminated Windows-1252
 *           strings; entry 1 is the first.
 */
#ifndef SDK_RESOURCES_H
#define SDK_RESOURCES_H

#include "sdk/types.h"

#define kResourceSectionName "quill_rsrc"
#define kResourceArchiveMagic "QRSC"

#define kPIPLVendorAdobe AI_FOURCC('A', 'D', 'B', 'E')
#define kPIPLKindProperty AI_FOURCC('k', 'i', 'n', 'd')
#define kPIPLInterfaceVersionProperty AI_FOURCC('i', 'v', 'r', 's')
#define kPIPLWin32X86CodeProperty AI_FOURCC('w', 'x', '8', '6')
#define kPIPLLinuxCodeProperty AI_FOURCC('l', 'x', '6', '4')
#define kPIPLPluginNameProperty AI_FOURCC('p', 'i', 'n', 'm')
#define kSPIllustratorPluginKind AI_FOURCC('S', 'P', 'E', 'A')

#endif
