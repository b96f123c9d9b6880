        radix dec
A       equ .10 + D'10' + 0x1F + 1Fh + H'1F' + $1F
B       equ 0b0101 | 0101b | B'0101' | %0101
C       set O'17' ^ 17o
C       set C + 1
D       = (A * B) / 3 % 7 << 2 >> 1 & ~0 | -1
        org 5
        movlw high(0x1234)
        movlw low(0x1234)
        movlw A'z' - 'a'
        dw A, B, C, D
        db "hi", 0
        data 1, 2
        END
