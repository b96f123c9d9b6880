; mistakes.asm - the classic mistakes, for the run-time checks to explain
;
; Run it with Options > Provere on (the default) and watch the notes that
; appear under the lines, or: lumo-run --checks --steps 3000 mistakes.asm
; Each mistake is marked below; the comment says how to put it right.

        list    p=16c84, r=dec
        #include <p16c84.inc>
        __config _XT_OSC & _WDT_OFF & _PWRTE_ON & _CP_OFF

        cblock  0x0C
        count                   ; counts the passes of the main loop
        ticks                   ; counts the timer's interrupts
        endc

        org     0
        goto    start
        org     4
        goto    isr

start   clrf    TRISB           ; MISTAKE (bank): TRISB lies in bank 1; without
                                ; BSF STATUS,RP0 before it this clears PORTB
        clrf    ticks
        bsf     STATUS,RP0
        movlw   b'10000000'     ; Timer 0 counts the cycles, 1:2
        movwf   OPTION_REG
        bcf     STATUS,RP0
        bsf     INTCON,T0IE
        bsf     INTCON,GIE
loop    incf    count,F         ; MISTAKE (uninitialised): count was never
                                ; set; CLRF count before the loop
        movlw   1
        addwf   count,W         ; MISTAKE (isr_context) on these two lines when
        movwf   PORTB           ; the interrupt comes before them: the handler changed W
        goto    loop

isr     bcf     INTCON,T0IF
        incf    ticks,F
        movlw   0xFF            ; the handler uses W without saving it first
        retfie                  ; (save W and STATUS on entry, restore here)

        end
