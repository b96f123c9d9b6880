; rb0_counter.asm - the RB0 interrupt counts presses
;
; Run it (F5), then click the RB0 switch on and off again, several times.
; Each time RB0 goes from off to on, the external interrupt counts one press.
; Watch the LEDs RB1-RB7: they show the number of presses in binary (RB1 is
; the lowest bit). In the registers, INTF of INTCON is set by the press and
; cleared by the interrupt routine.

        list    p=16c84, r=dec
        #include <p16c84.inc>
        __config _XT_OSC & _WDT_OFF & _PWRTE_ON & _CP_OFF

        cblock  0x0C
        presses
        shown
        w_save                  ; W and STATUS while the interrupt runs
        status_save
        endc

        org     0
        goto    start           ; a real chip starts here
        org     4
        goto    press_interrupt ; the interrupt vector

start                           ; word 5: the simulator starts here
        bsf     STATUS,RP0      ; bank 1
        movlw   b'00000001'     ; RB0 is the input, RB1-RB7 the LEDs
        movwf   TRISB
        bsf     OPTION_REG,INTEDG  ; count rising edges: off to on
        bcf     STATUS,RP0      ; bank 0
        clrf    presses
        clrf    PORTB
        bcf     INTCON,INTF
        bsf     INTCON,INTE     ; RB0 interrupt on
        bsf     INTCON,GIE
wait    goto    wait

press_interrupt
        movwf   w_save          ; keep W and STATUS for the main program
        swapf   STATUS,W
        movwf   status_save
        bcf     INTCON,INTF     ; seen
        incf    presses,F
        bcf     STATUS,C        ; the count moves up one pin, past RB0
        rlf     presses,W
        movwf   shown
        movf    PORTB,W         ; RB0 stays as the switch has it
        andlw   b'00000001'
        iorwf   shown,W
        movwf   PORTB
        swapf   status_save,W   ; W and STATUS back as they were
        movwf   STATUS
        swapf   w_save,F
        swapf   w_save,W
        retfie

        end
