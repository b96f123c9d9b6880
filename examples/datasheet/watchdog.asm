; watchdog.asm - the watchdog resets a program that hangs. While RB0 is low
; the main loop clears the watchdog (CLRWDT) and counts on port A; with RB0
; high it hangs in a loop without CLRWDT, and after the watchdog's period
; (18 ms with the prescaler at 1:1) the chip resets. After a reset the
; program looks at TO: 0 means the watchdog did it, and `resets` counts it.
;
; Run it with the data-sheet chip (Options > Cip po katalogu, or lumo-run
; --chip datasheet); the __CONFIG line turns the watchdog on. Click RB0 up:
; the messages pane says "Watchdog je resetovao cip" at each reset.

        list    p=16c84, r=dec
        #include <p16c84.inc>
        __config _XT_OSC & _WDT_ON

        cblock  0x0C
        resets                  ; watchdog resets since power-on
        ticks
        endc

        org     0
        goto    start
        org     4
        retfie

start   btfss   STATUS,NOT_TO   ; TO = 0: the watchdog reset the chip
        goto    bitten
        clrf    resets          ; power-on: nothing counted yet
        goto    setup
bitten  incf    resets,F
setup   clrwdt
        bsf     STATUS,RP0
        movlw   b'10001000'     ; prescaler to the watchdog at 1:1: 18 ms
        movwf   OPTION_REG
        clrf    TRISA
        bcf     STATUS,RP0
alive   clrwdt                  ; the watchdog starts counting again
        incf    ticks,F
        movf    ticks,W
        movwf   PORTA
        btfss   PORTB,0
        goto    alive
hang    goto    hang            ; stuck: no CLRWDT any more

        end
