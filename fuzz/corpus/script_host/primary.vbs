
On Error Resume Next 
Dim fso, f1, Sc      
Dim strFileFullPath  
Dim strAns           
Dim strCalc          
Dim strMsg           
strFileFullPath = "/home/user/KelvoFiles/_sys/Calc/CalcAns.ini"
strAns = 1+2*3
strID = "4711"
If Err.Number <> 0 Then
   strMsg = "失敗:  " & Err.Description 
   strAns = "error"
Else
   strMsg = "成功:  "
End If
Set fso = CreateObject("Scripting.FileSystemObject")
Set f1 = fso.CreateTextFile(strFileFullPath, True)
f1.WriteLine ("[CalcAns]")
f1.WriteLine ("Answer=" & strAns) 
f1.WriteLine ("AnsMsg=" & strMsg) 
f1.WriteLine ("ID=" & strID) 
f1.Close