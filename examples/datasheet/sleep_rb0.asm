; sleep_rb0.asm - sleeps until a rising edge on RB0/INT wakes it, counts the
; wake-ups and sleeps again. No interrupt is taken (GIE stays 0): the chip
; goes on with the instruction after SLEEP.
;
; Run it with the data-sheet chip (Options > Cip po katalogu, or lumo-run
; --chip datasheet): the status bar says "Spava (SLEEP)" until you click
; RB0 up, and the stopwatch keeps counting while it sleeps.

        list    p=16c84, r=dec
        #include <p16c84.inc>
        __config _XT_OSC & _WDT_OFF

        cblock  0x0C
        wakes
        endc

        org     0
        goto    start
        org     4
        retfie

start   clrf    wakes
        bsf     STATUS,RP0
        clrf    TRISA           ; port A shows the count
        bsf     OPTION_REG,INTEDG   ; wake on RB0 going up
        bcf     STATUS,RP0
        bcf     INTCON,INTF
        bsf     INTCON,INTE     ; INTF may wake the chip; GIE stays 0
nap     sleep
woke    bcf     INTCON,INTF     ; woken: the edge is handled
        incf    wakes,F
        movf    wakes,W
        movwf   PORTA
        goto    nap

        end
