/* Resource identifiers for the resource compiler, which understands only macros.
   The program's code uses the typed constants of src/platform/resource_ids.h; the
   entry point checks at compile time that both agree. */
#ifndef TARVIO_RES_IDS_H
#define TARVIO_RES_IDS_H

#define IDI_TARVIO 1
#define IDI_INFO 2
#define IDR_INFO_PICTURE 3
#define IDI_BUTTON_LISTS 10
#define IDI_BUTTON_LEAVE 11
#define IDI_BUTTON_HIDE 12

#endif
