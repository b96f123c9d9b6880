        processor 16c84
        list r=hex
        __config _XT_OSC & _WDT_OFF & _PWRTE_ON & _CP_OFF
        __idlocs 1234
        cblock 0c
        first, second
        third
        endc
#define LED PORTB, 3
#define LOOPS 3
        .org 5
        bsf STATUS, RP0
        movwf TRISB ; a bank-1 address, reduced with a warning
        bcf STATUS, RP0
        movlw LOOPS
        movwf first
again   bsf LED
        bcf LED
        decfsz first, f
        goto again
        goto 5
        end
