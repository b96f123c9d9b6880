        list    p=16c84, r=dec
#define DEBUG 1
LEVEL   equ     3
        ifndef  MYHDR
#define MYHDR
COUNT   equ     0x0C
        endif
        org     5
        if DEBUG == 1 && LEVEL >= 2 || !(LEVEL < 1)
        movlw   1
        if LEVEL != 3
        movlw   2
        else
        movlw   3
        endif
        else
        movlw   4
        endif
        #ifdef DEBUG
        messg   "debug build"
        #else
        error   "no debug"
        #endif
        ifdef later
        nop
        endif
later   goto    later
        if 1
        else
        else
        endif
        endif
        __config _FOSC_XT & _WDTE_OFF & _PWRTE_ON & _CP_OFF
        end
