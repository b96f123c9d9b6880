; Blinks RB0 with a delay loop.
        LIST    P=16C84
        #include <p16c84.inc>
COUNT   EQU     0x0C
        ORG     0
        goto    start
        ORG     5
start:  bsf     STATUS, RP0
        clrf    TRISB
        bcf     STATUS, RP0
loop:   movlw   0x01
        xorwf   PORTB, F
        call    delay
        goto    loop
delay   movlw   D'200'
        movwf   COUNT
wait    decfsz  COUNT, F
        goto    wait
        return
        END
